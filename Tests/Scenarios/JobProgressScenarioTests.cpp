// Long work an author can watch and stop, through the stand-in editor: a slow cook whose lines reach the
// log while it runs and whose Cancel ends the whole process tree, an upload whose progress rises in the
// notification, and an editor that quits during a cook without leaving a process behind.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <functional>
#include <regex>
#include <thread>

#include <gmock/gmock.h>

#include "ScenarioTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace
{
// The live processes whose command line contains Text and whose environment holds Variable (a test's
// own machine: other tests may cook at the same time).
std::vector<int> ProcessesWith(const std::string& Text, const std::string& Variable)
{
	std::vector<int> Found;
	DIR* Proc = ::opendir("/proc");
	for (dirent* Entry = Proc ? ::readdir(Proc) : nullptr; Entry; Entry = ::readdir(Proc))
	{
		const int Pid = std::atoi(Entry->d_name);
		std::string CommandLine = Pid > 0 ? ReadFile(fs::path("/proc") / Entry->d_name / "cmdline") : std::string();
		std::replace(CommandLine.begin(), CommandLine.end(), '\0', ' ');
		const std::string State = Pid > 0 ? ReadFile(fs::path("/proc") / Entry->d_name / "stat") : std::string();
		// A zombie has ended; only its parent has not collected it yet.
		const bool bZombie = State.find(") Z ") != std::string::npos;
		std::string Environment = Pid > 0 ? ReadFile(fs::path("/proc") / Entry->d_name / "environ") : std::string();
		std::replace(Environment.begin(), Environment.end(), '\0', '\n');
		if (!bZombie && CommandLine.find(Text) != std::string::npos && (Environment + "\n").find(Variable + "\n") != std::string::npos)
		{
			Found.push_back(Pid);
		}
	}
	if (Proc)
	{
		::closedir(Proc);
	}
	return Found;
}

// Polls until Predicate holds; false after Seconds.
bool Eventually(const std::function<bool()>& Predicate, double Seconds)
{
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(Seconds);
	while (!Predicate())
	{
		if (std::chrono::steady_clock::now() > Deadline)
		{
			return false;
		}
		std::this_thread::sleep_for(std::chrono::milliseconds(10));
	}
	return true;
}

class FJobProgressScenarioTest : public FScenarioTest
{
protected:
	void SetUp() override
	{
		FScenarioTest::SetUp();
		WriteSampleWorkshopMap(SampleItemId);
	}

	void TearDown() override
	{
		::unsetenv("LEVELWRIGHT_COOK_SECONDS");
		FScenarioTest::TearDown();
	}

	fs::path StagedPak() const { return StagedPaksDir() / "pakchunk_workshop_stage.pak"; }
	// The cook and the worker it starts, known by their switches; the editor hands this test's machine to
	// every process it starts.
	std::string MachineVariable() const { return "LEVELWRIGHT_MACHINE=" + Machine.Path().string(); }
	std::vector<int> Cooks() const { return ProcessesWith("-run=cook", MachineVariable()); }
	std::vector<int> CookWorkers() const { return ProcessesWith("-CookWorker", MachineVariable()); }

	static std::vector<std::string> NotificationTexts(const std::string& Output)
	{
		std::vector<std::string> Texts;
		const std::regex Item("SNotificationItemImpl \"([^\"]*)\"");
		for (std::sregex_iterator Match(Output.begin(), Output.end(), Item), End; Match != End; ++Match)
		{
			Texts.push_back((*Match)[1]);
		}
		return Texts;
	}
};
} // namespace

TEST_F(FJobProgressScenarioTest, CancelEndsTheCookWithItsWorkerKeepsTheOlderPakAndLeavesTheWindowIdle)
{
	ASSERT_EQ(Run("open-tab\nclick Testing(Steam)\nclick Stage\nwait-idle\n").ExitCode, 0);
	const std::string OlderPak = ReadFile(StagedPak());
	ASSERT_FALSE(OlderPak.empty());
	::setenv("LEVELWRIGHT_COOK_SECONDS", "3", 1);
	const std::unique_ptr<FChildProcess> Editor = StartInteractive();

	Editor->Write("open-tab\nclick Testing(Steam)\nclick Stage\n");
	// The cook prints a line a second: this one reaches the editor's log while the cook still runs.
	ASSERT_TRUE(Editor->WaitForOutput("LevelwrightLog: LogCook: Display: Cooking... (1 s)")) << Editor->OutputSoFar();
	ASSERT_THAT(Cooks(), Not(IsEmpty()));
	ASSERT_THAT(CookWorkers(), Not(IsEmpty()));
	// The headless editor runs frames only when told to: one lets the notification take the step.
	Editor->Write("tick 1\nshow\nclick Cancel\nclick Cancel\nshow\n");
	ASSERT_TRUE(Editor->WaitForOutput("LevelwrightLog: Warning: Staging cancelled by the author")) << Editor->OutputSoFar();
	EXPECT_TRUE(Eventually([this] { return Cooks().empty() && CookWorkers().empty(); }, 1.0)) << "the cook or its worker outlived the cancel";
	EXPECT_EQ(ReadFile(StagedPak()), OlderPak) << "the older staged pak, byte for byte";
	EXPECT_THAT(PaksIn(StagedPaksDir()), ::testing::ElementsAre("pakchunk_workshop_stage.pak")) << "no temporary pak left";

	// A new stage works.
	Editor->Write("click Stage\nwait-idle\nshow\nquit\n");
	const FProcessResult Result = Editor->Finish();
	const std::vector<FShownTree> Trees = ShownTrees(Result.Output);
	ASSERT_EQ(Trees.size(), 3u) << Result.Output;
	EXPECT_TRUE(Trees[0].Has("SNotificationItemImpl", "Cooking Arena for WindowsNoEditor")) << Trees[0].Text();
	EXPECT_TRUE(Trees[0].Has("SButton", "Cancel")) << Trees[0].Text();
	EXPECT_TRUE(Trees[0].Has("STextBlock", "Cooking Arena for WindowsNoEditor")) << "the page shows the step";
	EXPECT_THAT(Trees[0].Text(), HasSubstr("SProgressBar (")) << "the page shows a progress bar";
	// Cancelled at once: the window is idle in the very next frame, and the second click found no Cancel.
	EXPECT_TRUE(Trees[1].Has("SNotificationItemImpl", "Staging cancelled")) << Trees[1].Text();
	EXPECT_TRUE(Trees[1].Has("SButton", "Stage")) << Trees[1].Text();
	EXPECT_FALSE(Trees[1].Has("SButton", "Cancel")) << Trees[1].Text();
	EXPECT_THAT(Result.LinesWith("Script: Error:"), ::testing::ElementsAre("Script: Error: no visible widget labelled \"Cancel\""));
	EXPECT_EQ(Result.LinesWith("cancelled by the author").size(), 1u);
	EXPECT_THAT(Result.LinesWith("Cooked content is needed"), IsEmpty()) << "a cancel is not a failure";
	EXPECT_TRUE(Trees[2].Has("SNotificationItemImpl", "Staged in your Drovik install")) << Trees[2].Text();
	EXPECT_NE(ReadFile(StagedPak()), std::string()) << Result.Output;
}

TEST_F(FJobProgressScenarioTest, QuittingDuringACookLeavesNoProcessBehind)
{
	::setenv("LEVELWRIGHT_COOK_SECONDS", "30", 1);
	const auto Start = std::chrono::steady_clock::now();

	const FProcessResult Result = Run("open-tab\nclick Testing(Steam)\nclick Stage\ntick 30\nquit\n");

	EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(30)) << "the editor waited for the cook";
	EXPECT_TRUE(Result.Has("LevelwrightLog: Warning: Staging stopped: the editor is shutting down")) << Result.Output;
	EXPECT_THAT(Cooks(), IsEmpty());
	EXPECT_THAT(CookWorkers(), IsEmpty());
	EXPECT_FALSE(fs::exists(StagedPak()));
}

// The simulated Steam uploads at a set rate: the notification shows each stage of the item update in
// order, the uploaded share rising, and no Cancel once the content is with Steam.
TEST_F(FJobProgressScenarioTest, AnUploadShowsItsProgressInOrderWithoutCancel)
{
	Machine.SetClient("uploadBytesPerSecond", "100000");
	const std::unique_ptr<FChildProcess> Editor = StartInteractive();
	Editor->Write("open-tab\nclick Deployment(Steam)\ntype Change note Slow upload\nclick Submit\n");
	// Looks at the window every few frames, however long the build and the upload take on this machine.
	std::string Looks;
	for (int Look = 0; Look < 20; ++Look)
	{
		Looks += "tick 5\nshow\n";
	}
	for (int Batch = 0; Batch < 120; ++Batch)
	{
		Editor->Write(Looks);
		if (Editor->WaitForOutput("Submitted to the Workshop", std::chrono::seconds(1)))
		{
			break;
		}
	}
	Editor->Write("wait-idle\nquit\n");
	const FProcessResult Result = Editor->Finish();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	std::vector<std::string> Stages;
	std::vector<int> Percentages;
	const std::regex Uploading(R"(Uploading to the Workshop: [0-9.]+ of [0-9.]+ MB \(([0-9]+)%\))");
	for (const std::string& Text : NotificationTexts(Result.Output))
	{
		std::smatch Match;
		const std::string Stage = std::regex_search(Text, Match, Uploading) ? "Uploading to the Workshop" : Text;
		if (!Match.empty())
		{
			Percentages.push_back(std::stoi(Match[1]));
		}
		if (Stages.empty() || Stages.back() != Stage)
		{
			Stages.push_back(Stage);
		}
	}
	const std::vector<std::string> Order = {"Preparing the upload", "Uploading to the Workshop", "Committing", "Submitted to the Workshop"};
	std::vector<std::string> UploadStages;
	std::copy_if(Stages.begin(), Stages.end(), std::back_inserter(UploadStages),
				 [&](const std::string& Stage) { return std::find(Order.begin(), Order.end(), Stage) != Order.end(); });
	EXPECT_TRUE(std::is_sorted(UploadStages.begin(), UploadStages.end(),
							   [&](const std::string& A, const std::string& B) { return std::find(Order.begin(), Order.end(), A) < std::find(Order.begin(), Order.end(), B); }))
		<< ::testing::PrintToString(Stages);
	EXPECT_THAT(UploadStages, ::testing::Contains("Uploading to the Workshop")) << ::testing::PrintToString(Stages);
	EXPECT_EQ(UploadStages.back(), "Submitted to the Workshop") << ::testing::PrintToString(Stages);
	ASSERT_GE(Percentages.size(), 2u) << ::testing::PrintToString(Stages);
	EXPECT_TRUE(std::is_sorted(Percentages.begin(), Percentages.end())) << ::testing::PrintToString(Percentages);
	EXPECT_LT(Percentages.front(), Percentages.back()) << ::testing::PrintToString(Percentages);

	for (const FShownTree& Tree : ShownTrees(Result.Output))
	{
		if (Tree.Text().find("Uploading to the Workshop") != std::string::npos)
		{
			EXPECT_FALSE(Tree.Has("SButton", "Cancel")) << Tree.Text();
		}
	}
	EXPECT_EQ(ReadItem(SampleItemId)["versions"].back()["changeNote"], "Slow upload");
}

// A metadata sync goes up to Steam too: its notification follows it and says how it ended.
TEST_F(FJobProgressScenarioTest, ASyncShowsItsProgressThenHowItEnded)
{
	const FProcessResult Result = Run("open-tab\nclick Sync Metadata\ntick 1\nshow\nwait-idle\nshow\nquit\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	const std::vector<std::string> Texts = NotificationTexts(Result.Output);
	ASSERT_EQ(Texts.size(), 2u) << Result.Output;
	EXPECT_THAT(Texts[0], ::testing::AnyOf("Preparing the upload", "Uploading the preview image", "Committing", "Waiting for Steam",
										   ::testing::StartsWith("Uploading to the Workshop: "))) << Result.Output;
	EXPECT_EQ(Texts[1], "Synced the title, tags and preview");
}
