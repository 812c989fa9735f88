// The engine's faces of the runner and the pool: FPlatformProcess::ExecProcess and AsyncTask.
#include "Async/Async.h"
#include "HAL/PlatformProcess.h"
#include "Standin/AsyncStandin.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace
{
const std::u16string QuotedChild = u"\"" + std::filesystem::path(PROCESS_TEST_CHILD).u16string() + u"\"";

void RunFramesUntilIdle()
{
	while (!Standin::Async::IsIdle())
	{
		Standin::Async::RunGameThreadTasks();
		std::this_thread::yield();
	}
}
} // namespace

TEST(ExecProcess, ReturnsExitCodeAndUtf8DecodedOutput)
{
	int32 ReturnCode = -7;
	FString StdOut;
	FString StdErr;
	ASSERT_TRUE(FPlatformProcess::ExecProcess(QuotedChild.c_str(), u"echo \"Caf\u00e9 \u65e5\u672c\" \U0001F600",
											  &ReturnCode, &StdOut, &StdErr));
	EXPECT_EQ(ReturnCode, 0);
	EXPECT_EQ(std::u16string(*StdOut), u"Caf\u00e9 \u65e5\u672c\n\U0001F600\n");
	EXPECT_EQ(std::u16string(*StdErr), u"");

	ASSERT_TRUE(FPlatformProcess::ExecProcess(QuotedChild.c_str(), u"exit 4", &ReturnCode, &StdOut, &StdErr));
	EXPECT_EQ(ReturnCode, 4);
	EXPECT_EQ(std::u16string(*StdErr), u"err\n");
}

TEST(ExecProcess, AcceptsNullOutputs)
{
	EXPECT_TRUE(FPlatformProcess::ExecProcess(QuotedChild.c_str(), u"exit 0", nullptr, nullptr, nullptr));
	EXPECT_FALSE(FPlatformProcess::ExecProcess(u"/no/such/Program.exe", u"", nullptr, nullptr, nullptr));
}

TEST(ExecProcess, ProgramThatCannotStartGivesFalseAndTheReason)
{
	int32 ReturnCode = 0;
	FString StdOut = u"stale";
	FString StdErr;
	EXPECT_FALSE(FPlatformProcess::ExecProcess(u"\"/no/such dir/Program.exe\"", u"-x", &ReturnCode, &StdOut, &StdErr));
	EXPECT_EQ(ReturnCode, 2) << "ERROR_FILE_NOT_FOUND, as GetLastError() says on Windows";
	EXPECT_EQ(std::u16string(*StdOut), u"");
	EXPECT_NE(std::u16string(*StdErr).find(u"/no/such dir/Program.exe"), std::u16string::npos);

	EXPECT_FALSE(FPlatformProcess::ExecProcess(u"/tmp", u"", &ReturnCode, nullptr, &StdErr));
	EXPECT_EQ(ReturnCode, 5) << "ERROR_ACCESS_DENIED";
}

TEST(ExecProcess, FilesThatAreNoProgramsGiveFalseAndTheWindowsError)
{
	const LevelwrightTest::FTempDir Temp;
	const std::filesystem::path Plain = Temp.Path() / "Plain.exe";
	LevelwrightTest::WriteFile(Plain, "not a program\n");
	std::filesystem::permissions(Plain, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
	const std::filesystem::path Garbage = Temp.Path() / "Garbage.exe";
	LevelwrightTest::WriteFile(Garbage, "\x7f" "ELF but not really");
	std::filesystem::permissions(Garbage, std::filesystem::perms::owner_all);

	// What GetLastError() says after CreateProcess: access denied, and not a valid Win32 application.
	for (const auto& [Program, Code] : {std::pair{Plain, 5}, std::pair{Garbage, 193}})
	{
		int32 ReturnCode = 0;
		FString StdOut = u"stale";
		FString StdErr;
		EXPECT_FALSE(FPlatformProcess::ExecProcess((u"\"" + Program.u16string() + u"\"").c_str(), u"-x", &ReturnCode, &StdOut, &StdErr));
		EXPECT_EQ(ReturnCode, Code) << Program;
		EXPECT_EQ(std::u16string(*StdOut), u"");
		EXPECT_NE(std::u16string(*StdErr).find(Program.u16string()), std::u16string::npos) << Program;
	}
}

TEST(AsyncTask, BackgroundTasksRunOffTheGameThreadAndGameTasksOnIt)
{
	const std::thread::id GameThread = std::this_thread::get_id();
	std::atomic<int> Background = 0;
	std::atomic<int> OnGameThread = 0;
	for (int Index = 0; Index < 50; ++Index)
	{
		AsyncTask(ENamedThreads::AnyBackgroundThreadNormalTask, [&] {
			EXPECT_NE(std::this_thread::get_id(), GameThread);
			++Background;
			// The usual pattern: work in the background, report on the game thread.
			AsyncTask(ENamedThreads::GameThread, [&] {
				EXPECT_EQ(std::this_thread::get_id(), GameThread);
				++OnGameThread;
			});
		});
	}
	RunFramesUntilIdle();
	EXPECT_EQ(Background.load(), 50);
	EXPECT_EQ(OnGameThread.load(), 50);
}

TEST(AsyncTask, GameThreadTasksWaitForTheFrameInOrder)
{
	std::vector<int> Order;
	AsyncTask(ENamedThreads::GameThread, [&] {
		Order.push_back(1);
		AsyncTask(ENamedThreads::GameThread, [&] { Order.push_back(3); });
	});
	AsyncTask(ENamedThreads::GameThread, [&] { Order.push_back(2); });
	EXPECT_TRUE(Order.empty());
	EXPECT_FALSE(Standin::Async::IsIdle());
	Standin::Async::RunGameThreadTasks();
	EXPECT_EQ(Order, (std::vector<int>{1, 2})) << "a task queued by a game thread task waits for the next frame";
	EXPECT_FALSE(Standin::Async::IsIdle());
	Standin::Async::RunGameThreadTasks();
	EXPECT_EQ(Order, (std::vector<int>{1, 2, 3}));
	EXPECT_TRUE(Standin::Async::IsIdle());
}

TEST(AsyncTask, AThreadTheStandinDoesNotHaveIsRefusedLoudly)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	EXPECT_DEATH(AsyncTask(ENamedThreads::AudioThread, [] {}), "AsyncTask to named thread 0x1");
}
