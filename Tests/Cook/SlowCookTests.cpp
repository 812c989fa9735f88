// LEVELWRIGHT_COOK_SECONDS=<n>: a cook that lasts at least n seconds, prints while it runs, and runs a
// worker process (a grandchild of whoever started the cook) that ends with it.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>

#include <gmock/gmock.h>
#include <unistd.h>

#include "CookTestSupport.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace
{
const char* const SecondsVariable = "LEVELWRIGHT_COOK_SECONDS";

// The parent of a live process (from /proc/<pid>/stat); 0 when there is no such process or it has
// ended and waits to be collected.
pid_t LiveParentOf(pid_t Pid)
{
	std::ifstream Stat("/proc/" + std::to_string(Pid) + "/stat");
	std::string Text;
	std::getline(Stat, Text);
	const size_t NameEnd = Text.rfind(')');
	if (NameEnd == std::string::npos || NameEnd + 4 >= Text.size() || Text[NameEnd + 2] == 'Z')
	{
		return 0;
	}
	return static_cast<pid_t>(std::stol(Text.substr(NameEnd + 4)));
}

std::string CommandLineOf(pid_t Pid)
{
	std::string Text = ReadFile("/proc/" + std::to_string(Pid) + "/cmdline");
	std::replace(Text.begin(), Text.end(), '\0', ' ');
	return Text;
}

// The worker's process id from the cook's "cook worker started, pid N" line; 0 when there is none.
pid_t WorkerPid(const std::string& Output)
{
	const std::string Key = "cook worker started, pid ";
	const size_t Start = Output.find(Key);
	return Start == std::string::npos ? 0 : static_cast<pid_t>(std::stol(Output.substr(Start + Key.size())));
}

class FSlowCookTest : public FCookTest
{
protected:
	void SetUp() override
	{
		FCookTest::SetUp();
		WriteSmallProject();
	}

	void TearDown() override { ::unsetenv(SecondsVariable); }

	std::unique_ptr<FChildProcess> StartCook(const std::string& Map = "/Game/Maps/Arena") const
	{
		return std::make_unique<FChildProcess>(EditorProgram(Engine), std::vector<std::string>{Project.File().string(), "-run=cook", PcPlatforms, "-map=" + Map},
											   Project.Dir().parent_path());
	}
};
} // namespace

TEST_F(FSlowCookTest, LastsAtLeastTheSecondsAndReportsWhileItRuns)
{
	::setenv(SecondsVariable, "3", 1);
	const auto Started = std::chrono::steady_clock::now();
	const std::unique_ptr<FChildProcess> Cook = StartCook();

	ASSERT_TRUE(Cook->WaitForOutput("LogCook: Display: Cooking... (1 s)\n")) << Cook->OutputSoFar();
	// The line came while the cook still runs, with its worker beside it.
	EXPECT_THAT(Cook->OutputSoFar(), Not(HasSubstr("Cook complete")));
	const pid_t Worker = WorkerPid(Cook->OutputSoFar());
	ASSERT_GT(Worker, 0) << Cook->OutputSoFar();
	const pid_t CookProcess = LiveParentOf(Worker);
	ASSERT_GT(CookProcess, 0) << "the worker runs";
	EXPECT_EQ(LiveParentOf(CookProcess), ::getpid()) << "the worker is a grandchild of the test";
	EXPECT_THAT(CommandLineOf(CookProcess), HasSubstr("-run=cook"));
	EXPECT_THAT(CommandLineOf(Worker), HasSubstr("-CookWorker="));

	const FProcessResult Result = Cook->Finish();
	const auto Elapsed = std::chrono::steady_clock::now() - Started;

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_GE(Elapsed, std::chrono::seconds(3));
	EXPECT_THAT(Result.LinesWith("Cooking... ("), ElementsAre("LogCook: Display: Cooking... (1 s)", "LogCook: Display: Cooking... (2 s)",
															  "LogCook: Display: Cooking... (3 s)"));
	EXPECT_TRUE(Result.Has("LogCook: Display: Cook worker (pid " + std::to_string(Worker) + ") ended")) << Result.Output;
	EXPECT_EQ(LiveParentOf(Worker), 0) << "the cook ended its worker";
	EXPECT_TRUE(fs::exists(Cooked("WindowsNoEditor") / "Maps" / "Arena.umap"));
}

TEST_F(FSlowCookTest, ZeroSecondsStillRunsAndEndsTheWorker)
{
	::setenv(SecondsVariable, "0", 1);
	const FProcessResult Result = StartCook()->Finish();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_THAT(Result.LinesWith("Cooking... ("), IsEmpty());
	const pid_t Worker = WorkerPid(Result.Output);
	ASSERT_GT(Worker, 0) << Result.Output;
	EXPECT_EQ(LiveParentOf(Worker), 0);
}

TEST_F(FSlowCookTest, AFailingCookEndsItsWorkerToo)
{
	::setenv(SecondsVariable, "1", 1);
	const FProcessResult Result = StartCook("/Game/Maps/Nowhere")->Finish();

	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_TRUE(Result.Has("LogCook: Error: Cook failed")) << Result.Output;
	const pid_t Worker = WorkerPid(Result.Output);
	ASSERT_GT(Worker, 0) << Result.Output;
	EXPECT_EQ(LiveParentOf(Worker), 0);
}

TEST_F(FSlowCookTest, WithoutTheVariableNoWorkerStarts)
{
	::unsetenv(SecondsVariable);
	const FProcessResult Result = StartCook()->Finish();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_FALSE(Result.Has("cook worker")) << Result.Output;
	EXPECT_THAT(Result.LinesWith("Cooking... ("), IsEmpty());
}

struct FRefusedSeconds
{
	const char* Name;
	const char* Value;
};

void PrintTo(const FRefusedSeconds& Seconds, std::ostream* Stream)
{
	*Stream << Seconds.Name << " \"" << Seconds.Value << "\"";
}

class FRefusedSecondsTest : public FSlowCookTest, public ::testing::WithParamInterface<FRefusedSeconds>
{
};

TEST_P(FRefusedSecondsTest, IsRefusedLoudlyBeforeAnythingIsDeleted)
{
	ASSERT_EQ(StartCook()->Finish().ExitCode, 0);
	const auto Earlier = ReadTree(CookedDir());
	::setenv(SecondsVariable, GetParam().Value, 1);

	const FProcessResult Result = StartCook()->Finish();

	EXPECT_NE(Result.ExitCode, 0);
	EXPECT_TRUE(Result.Has(std::string("LogCook: Error: LEVELWRIGHT_COOK_SECONDS=") + GetParam().Value + " is not a whole number of seconds")) << Result.Output;
	EXPECT_FALSE(Result.Has("cook worker")) << Result.Output;
	EXPECT_EQ(ReadTree(CookedDir()), Earlier);
}

INSTANTIATE_TEST_SUITE_P(Cook, FRefusedSecondsTest,
						 ::testing::Values(FRefusedSeconds{"Fraction", "1.5"}, FRefusedSeconds{"Word", "three"}, FRefusedSeconds{"Negative", "-1"},
										   FRefusedSeconds{"Plus", "+2"}, FRefusedSeconds{"Empty", ""}, FRefusedSeconds{"Blank", " 2"},
										   FRefusedSeconds{"Unit", "2s"}, FRefusedSeconds{"OverADay", "86401"},
										   FRefusedSeconds{"Huge", "99999999999999999999"}),
						 [](const ::testing::TestParamInfo<FRefusedSeconds>& Info) { return std::string(Info.param.Name); });
