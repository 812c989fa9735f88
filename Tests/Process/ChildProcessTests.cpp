// The engine's child-process API: CreateProc with a pipe read while the child runs, return codes,
// programs that cannot start, the command line, and ReadPipe's chunk-by-chunk decoding, as on Windows.
#include "ChildProcessTestSupport.h"
#include "FloodPattern.h"
#include "Standin/Log.h"
#include "Standin/Machine.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ChildProcessTest;

namespace
{
[[maybe_unused]] const bool bLogLinesKept = (Standin::Log::KeepLines(true), true);
} // namespace

TEST(ChildProcess, OutputIsReadWhileTheChildRuns)
{
	FPipe Output;
	FPipe Input;
	FProcHandle Process = StartChild(TEXT("wait-stdin"), Output, &Input);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};

	EXPECT_EQ(ReadOutput(Process, Output.Read, "ready\n"), "ready\n");
	// The child now waits for its input: the line was read while it ran.
	EXPECT_TRUE(FPlatformProcess::IsProcRunning(Process));
	int32 ReturnCode = -7;
	EXPECT_FALSE(FPlatformProcess::GetProcReturnCode(Process, &ReturnCode)) << "false while the child runs";
	EXPECT_EQ(ReturnCode, -7);
	TArray<uint8> Untouched = {1, 2};
	EXPECT_FALSE(FPlatformProcess::ReadPipeToArray(Output.Read, Untouched)) << "nothing waits in the pipe";
	EXPECT_EQ(Untouched, (TArray<uint8>{1, 2}));
	EXPECT_EQ(Utf8(FPlatformProcess::ReadPipe(Output.Read)), "");

	Input.Send("go on\n");
	FPlatformProcess::WaitForProc(Process);
	EXPECT_FALSE(FPlatformProcess::IsProcRunning(Process));
	ASSERT_TRUE(FPlatformProcess::GetProcReturnCode(Process, &ReturnCode));
	EXPECT_EQ(ReturnCode, 0);
	EXPECT_EQ(ReadOutput(Process, Output.Read), "got go on\n");
}

TEST(ChildProcess, AFloodIsReadCompletelyWhilePolling)
{
	FPipe Output;
	FProcHandle Process = StartChild(TEXT("flood-out"), Output);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};
	std::string Received;
	TArray<uint8> Chunk;
	for (bool bRunning = true; bRunning;)
	{
		bRunning = FPlatformProcess::IsProcRunning(Process);
		while (FPlatformProcess::ReadPipeToArray(Output.Read, Chunk))
		{
			ASSERT_GT(Chunk.Num(), 0);
			Received.append(reinterpret_cast<const char*>(Chunk.GetData()), Chunk.Num());
		}
		FPlatformProcess::Sleep(0.001f);
	}
	ASSERT_EQ(Received.size(), ProcessTest::FloodBytes);
	EXPECT_TRUE(Received == ProcessTest::FloodText('o'));
	EXPECT_EQ(GetReturnCode(Process), 0);
}

TEST(ChildProcess, StdoutAndStderrShareThePipeAndALastLineWithoutEndIsRead)
{
	FPipe Output;
	FProcHandle Process = StartChild(TEXT("no-newline"), Output);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};
	EXPECT_EQ(ReadOutput(Process, Output.Read), "first line\nlast line without enderror tail");
}

TEST(ChildProcess, ReturnCodesAndSignals)
{
	const std::vector<std::pair<const TCHAR*, int32>> Cases = {
		{TEXT("exit 0"), 0}, {TEXT("exit 3"), 3}, {TEXT("exit 255"), 255}, {TEXT("signal"), 128 + SIGSEGV}};
	for (const auto& [Params, Expected] : Cases)
	{
		FPipe Output;
		FProcHandle Process = StartChild(Params, Output);
		ASSERT_TRUE(Process.IsValid()) << Utf8(Params);
		FPlatformProcess::WaitForProc(Process);
		EXPECT_EQ(GetReturnCode(Process), Expected) << Utf8(Params);
		EXPECT_EQ(GetReturnCode(Process), Expected) << "asked again, the same";
		FPlatformProcess::CloseProc(Process);
		EXPECT_FALSE(Process.IsValid());
		EXPECT_EQ(GetReturnCode(Process), std::nullopt) << "a closed handle";
	}
	FPipe Output;
	FProcHandle Process = StartChild(TEXT("exit 4"), Output);
	FClosedProc Closer{Process};
	EXPECT_EQ(ReadOutput(Process, Output.Read), "out\nerr\n");
}

TEST(ChildProcess, AGrandchildHoldingThePipeDoesNotHideTheChildsEnd)
{
	FPipe Output;
	FProcHandle Process = StartChild(TEXT("grandchild"), Output);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};
	FPlatformProcess::WaitForProc(Process);
	EXPECT_FALSE(FPlatformProcess::IsProcRunning(Process));
	EXPECT_EQ(GetReturnCode(Process), 0);
	const pid_t Grandchild = std::atoi(ReadOutput(Process, Output.Read).c_str());
	ASSERT_GT(Grandchild, 0);
	EXPECT_FALSE(HasEnded(Grandchild)) << "it still holds the pipe";
	::kill(Grandchild, SIGKILL);
}

TEST(ChildProcess, AProgramThatCannotStartGivesAnInvalidHandle)
{
	Standin::Log::ClearLines();
	FPipe Output;
	uint32 Pid = 1234;
	FProcHandle Missing = FPlatformProcess::CreateProc(TEXT("/no/such dir/Program.exe"), TEXT("-x"), false, true, true, &Pid, 0,
													   nullptr, Output.Write);
	EXPECT_FALSE(Missing.IsValid());
	EXPECT_EQ(Pid, 0u);
	EXPECT_TRUE(Standin::Log::Contains("LogWindows: Warning: CreateProc failed: The system cannot find the file specified. (0x00000002)"));
	EXPECT_TRUE(Standin::Log::Contains("LogWindows: Warning: URL: /no/such dir/Program.exe -x"));
	EXPECT_FALSE(FPlatformProcess::IsProcRunning(Missing));
	EXPECT_EQ(GetReturnCode(Missing), std::nullopt);
	FPlatformProcess::WaitForProc(Missing);
	FPlatformProcess::TerminateProc(Missing, true);
	FPlatformProcess::CloseProc(Missing);

	EXPECT_FALSE(FPlatformProcess::CreateProc(TEXT("/tmp"), TEXT(""), false, true, true, nullptr, 0, nullptr, Output.Write).IsValid());
	EXPECT_TRUE(Standin::Log::Contains("Access is denied. (0x00000005)"));
	EXPECT_FALSE(StartChild(TEXT("exit 0"), Output, nullptr, nullptr, TEXT("/no/such/folder")).IsValid());
	EXPECT_TRUE(Standin::Log::Contains("The directory name is invalid. (0x0000010b)"));
}

// CreateProc quotes the URL itself and splits the parameters as ExecProcess does.
TEST(ChildProcess, CommandLineWorkingFolderDriveMappingAndDescriptors)
{
	const LevelwrightTest::FTempDir Temp;
	const fs::path Folder = Temp.Path();
	fs::create_directories(Folder / "machine/drives/c/Tool Dir");
	fs::copy_file(PROCESS_TEST_CHILD, Folder / "machine/drives/c/Tool Dir/Child.exe", fs::copy_options::overwrite_existing);
	Standin::Machine::SetRoot(Folder / "machine");

	FPipe Output;
	FProcHandle Echo = FPlatformProcess::CreateProc(TEXT("C:\\Tool Dir\\Child.exe"), TEXT("echo \"a b\" c\\\"d"), false, true, true,
													nullptr, 0, nullptr, Output.Write);
	ASSERT_TRUE(Echo.IsValid()) << "an unquoted URL with a blank: CreateProc quotes it";
	FClosedProc CloseEcho{Echo};
	EXPECT_EQ(ReadOutput(Echo, Output.Read), "a b\nc\"d\n");

	FProcHandle Where = StartChild(TEXT("where"), Output, nullptr, nullptr, TEXT("C:/Tool Dir"));
	ASSERT_TRUE(Where.IsValid());
	FClosedProc CloseWhere{Where};
	EXPECT_EQ(ReadOutput(Where, Output.Read).substr(0, (Folder / "machine/drives/c/Tool Dir").string().size() + 1),
			  (Folder / "machine/drives/c/Tool Dir").string() + "\n");

	// The pipes of this process are close-on-exec; the child gets only its three standard descriptors.
	FPipe Unrelated;
	FProcHandle Fds = StartChild(TEXT("fds"), Output);
	FClosedProc CloseFds{Fds};
	EXPECT_EQ(ReadOutput(Fds, Output.Read), "");
	FProcHandle Stdin = StartChild(TEXT("stdin"), Output);
	FClosedProc CloseStdin{Stdin};
	EXPECT_EQ(ReadOutput(Stdin, Output.Read), "stdin: 0 bytes\n") << "no input pipe: nothing to read";
}

// As the engine: each chunk ReadPipe takes is decoded on its own, so a character split between two
// reads is mangled. U+20AC is E2 82 AC; the child writes E2 82, waits, then AC.
TEST(ChildProcess, ReadPipeDecodesEachChunkOnItsOwn)
{
	FPipe Output;
	FPipe Input;
	FProcHandle Process = StartChild(TEXT("split-utf8"), Output, &Input);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};
	FString First;
	while (First.IsEmpty())
	{
		First = FPlatformProcess::ReadPipe(Output.Read);
	}
	EXPECT_EQ(std::u16string(*First), u"A?") << "the cut-off sequence is one '?'";
	Input.Send("\n");
	FPlatformProcess::WaitForProc(Process);
	EXPECT_EQ(std::u16string(*FPlatformProcess::ReadPipe(Output.Read)), u"?B\n") << "the stray last byte is another";
}

TEST(ChildProcess, ChildrenRunFromSeveralThreadsAtOnce)
{
	std::atomic<int> Right = 0;
	std::vector<std::thread> Threads;
	for (int Index = 0; Index < 4; ++Index)
	{
		Threads.emplace_back([Index, &Right] {
			for (int Round = 0; Round < 5; ++Round)
			{
				FPipe Output;
				FProcHandle Process = StartChild(*FString::Printf(TEXT("exit %d"), Index * 10 + Round), Output);
				FClosedProc Closer{Process};
				const std::string Text = ReadOutput(Process, Output.Read);
				if (Text == "out\nerr\n" && GetReturnCode(Process) == Index * 10 + Round)
				{
					++Right;
				}
			}
		});
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
	EXPECT_EQ(Right.load(), 20);
}
