// The plugin's way of running a tool: its output cut into lines as the bytes arrive and logged with
// their weight, the run ending with the child even when a grandchild holds the pipe, and a cancel that
// ends the child's whole tree.
#include <csignal>
#include <thread>

#include <gmock/gmock.h>

#include "Levelwright/ChildProcess.h"
#include "Levelwright/JobProgress.h"
#include "FloodPattern.h"
#include "PipelineTestSupport.h"

using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace
{
TArray<uint8> Bytes(const std::string& Text)
{
	TArray<uint8> Array;
	for (const char Char : Text)
	{
		Array.Add(static_cast<uint8>(Char));
	}
	return Array;
}

std::vector<std::string> Feed(FChildOutputLines& Lines, const std::string& Text)
{
	TArray<FString> Completed;
	Lines.Append(Bytes(Text), Completed);
	std::vector<std::string> Result;
	for (const FString& Line : Completed)
	{
		Result.push_back(ToUtf8(Line));
	}
	return Result;
}

FString Child()
{
	return FString(PROCESS_TEST_CHILD);
}

class FChildProcessTest : public FPipelineTest
{
protected:
	void SetUp() override
	{
		FPipelineTest::SetUp();
		StartModule();
		MarkLog();
	}

	// Running, or not yet collected after a kill: a zombie has ended.
	static bool IsAlive(pid_t Pid)
	{
		const std::string State = ReadFile("/proc/" + std::to_string(Pid) + "/stat");
		return Pid > 0 && !State.empty() && State.find(") Z ") == std::string::npos;
	}
};
} // namespace

TEST(ChildOutputLines, EndsLinesAtCrLfOrCrlfEvenAcrossReads)
{
	FChildOutputLines Lines;
	EXPECT_THAT(Feed(Lines, "one\r"), ElementsAre("one"));
	// The LF of a CRLF split from its CR ends no second line.
	EXPECT_THAT(Feed(Lines, "\ntwo\nthree\r\nfo"), ElementsAre("two", "three"));
	EXPECT_THAT(Feed(Lines, "ur\n\n"), ElementsAre("four", ""));
	EXPECT_THAT(Feed(Lines, "last"), IsEmpty());
	EXPECT_EQ(ToUtf8(Lines.TakeRest()), "last");
	EXPECT_EQ(ToUtf8(Lines.TakeRest()), "");
}

TEST(ChildOutputLines, ACharacterSplitBetweenTwoReadsStaysWhole)
{
	FChildOutputLines Lines;
	EXPECT_THAT(Feed(Lines, "Caf\xc3"), IsEmpty());
	EXPECT_THAT(Feed(Lines, "\xa9 \xe2\x82"), IsEmpty());
	EXPECT_THAT(Feed(Lines, "\xac\n"), ElementsAre("Caf\xc3\xa9 \xe2\x82\xac"));
}

TEST(ChildOutputLines, ToolLinesKeepTheirWeight)
{
	EXPECT_EQ(GetChildLineVerbosity(TEXT("LogCook: Error: Package /Game/X not found")), EChildLineVerbosity::Error);
	EXPECT_EQ(GetChildLineVerbosity(TEXT("Error: bad switch")), EChildLineVerbosity::Error);
	EXPECT_EQ(GetChildLineVerbosity(TEXT("LogPakFile: Warning: no compression")), EChildLineVerbosity::Warning);
	EXPECT_EQ(GetChildLineVerbosity(TEXT("LogCook: Display: Cooked 3 packages, no Error: here")), EChildLineVerbosity::Log);
	EXPECT_EQ(GetChildLineVerbosity(TEXT("LogCook: error: lower case is no error line")), EChildLineVerbosity::Log);
}

TEST_F(FChildProcessTest, LogsEveryLineWithItsWeightAndKeepsTheWholeOutput)
{
	const FChildProcessResult Result = RunChildProcess(Child(), TEXT("echo \"LogCook: Error: broken\" \"LogPakFile: Warning: odd\" plain"), nullptr);

	EXPECT_TRUE(Result.bStarted);
	EXPECT_FALSE(Result.bCancelled);
	EXPECT_EQ(Result.ReturnCode, 0);
	EXPECT_EQ(ToUtf8(Result.Output), "LogCook: Error: broken\nLogPakFile: Warning: odd\nplain\n");
	EXPECT_THAT(LinesSinceMark(), ElementsAre("LevelwrightLog: Error: LogCook: Error: broken", "LevelwrightLog: Warning: LogPakFile: Warning: odd",
											  "LevelwrightLog: plain"));
}

TEST_F(FChildProcessTest, AFloodOnBothStreamsArrivesWhole)
{
	const FChildProcessResult Result = RunChildProcess(Child(), TEXT("flood"), nullptr);

	EXPECT_EQ(Result.ReturnCode, 0);
	// Both streams come through the one pipe, as on Windows: every byte of each is there.
	EXPECT_EQ(ToUtf8(Result.Output).size(), 2 * ProcessTest::FloodBytes);
	EXPECT_EQ(LinesSinceMark().back(), "LevelwrightLog: " + ProcessTest::FloodText('e').substr(ProcessTest::FloodBytes - 64, 63));
}

TEST_F(FChildProcessTest, TheLastLineWithoutALineEndIsLogged)
{
	const FChildProcessResult Result = RunChildProcess(Child(), TEXT("no-newline"), nullptr);

	ASSERT_TRUE(Result.bStarted);
	const std::vector<std::string> Lines = LinesSinceMark();
	ASSERT_FALSE(Lines.empty());
	EXPECT_EQ(Lines.back(), "LevelwrightLog: " + ToUtf8(Result.Output).substr(ToUtf8(Result.Output).find_last_of('\n') + 1));
}

TEST_F(FChildProcessTest, TheRunEndsWithTheChildWhileAGrandchildHoldsThePipe)
{
	const FChildProcessResult Result = RunChildProcess(Child(), TEXT("grandchild"), nullptr);

	EXPECT_TRUE(Result.bStarted);
	EXPECT_EQ(Result.ReturnCode, 0);
	const pid_t Grandchild = std::atoi(ToUtf8(Result.Output).c_str());
	EXPECT_TRUE(IsAlive(Grandchild)) << "the grandchild was waited for: " << ToUtf8(Result.Output);
	if (Grandchild > 0)
	{
		::kill(Grandchild, SIGKILL);
	}
}

TEST_F(FChildProcessTest, AProgramThatCannotStartIsSaidSo)
{
	const FChildProcessResult Result = RunChildProcess(TEXT("/nowhere/UnrealPak.exe"), TEXT("x"), nullptr);

	EXPECT_FALSE(Result.bStarted);
	EXPECT_TRUE(Result.Output.IsEmpty());
}

TEST_F(FChildProcessTest, ACancelEndsTheChildAndEveryProcessItStarted)
{
	FJobProgress Progress(EJobKind::Stage);
	FChildProcessResult Result;
	std::thread Worker([&] { Result = RunChildProcess(Child(), TEXT("tree 2"), &Progress); });
	std::vector<pid_t> Tree;
	ASSERT_TRUE(TickUntil([&] {
		Tree.clear();
		for (const std::string& Line : LogLines())
		{
			if (Line.rfind("LevelwrightLog: pid ", 0) == 0)
			{
				Tree.push_back(std::atoi(Line.c_str() + 20));
			}
		}
		return Tree.size() == 3;
	}, 30));

	Progress.RequestCancel();
	Worker.join();

	EXPECT_TRUE(Result.bCancelled);
	for (const pid_t Pid : Tree)
	{
		EXPECT_TRUE(TickUntil([Pid] { return !IsAlive(Pid); }, 1)) << Pid;
	}
	// A second cancel, with no child left, is harmless.
	Progress.RequestCancel();
	EXPECT_TRUE(Progress.IsCancelRequested());
}
