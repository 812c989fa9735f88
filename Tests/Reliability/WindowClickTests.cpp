// Impatient clicks on the window's action buttons: a second click while a job runs starts nothing
// and says why.
#include <gmock/gmock.h>

#include "EditorProcess.h"
#include "ReliabilityTest.h"

using namespace LevelwrightTest;

namespace
{
class FWindowClickTest : public FReliabilityTest
{
};
} // namespace

TEST_F(FWindowClickTest, TwoQuickClicksOnStageStartOneJob)
{
	StartWorkshopProject();
	Window().StageButtonClicked();
	Window().StageButtonClicked();
	EXPECT_EQ(Window().GetStandbyVisibility(), EVisibility::Collapsed) << "the Stage button gives way to the throbber";
	ASSERT_TRUE(WaitIdle());

	EXPECT_EQ(CountLines("LevelwrightLog: Error: Busy! can't stage at this time"), 1);
	EXPECT_EQ(CountLines("LevelwrightLog: Cook command: "), 1);
	EXPECT_TRUE(WindowIdle());
	EXPECT_TRUE(std::filesystem::exists(StagedPak()));

	// Once the job has ended, Stage works again.
	Window().StageButtonClicked();
	ASSERT_TRUE(WaitIdle());
	EXPECT_EQ(CountLines("LevelwrightLog: Cook command: "), 2);
	EXPECT_EQ(CountLines("Busy!"), 1);
}

TEST_F(FWindowClickTest, ClicksOnSubmitWhileADeployRunsAreRefusedWithTheBusyLine)
{
	StartQuarnProject();
	Window().SubmitQuarnClicked();
	ASSERT_TRUE(Module().bBusy.load());
	Window().SubmitButtonClicked();
	Window().SubmitButtonClicked();
	Window().SubmitQuarnClicked();
	ASSERT_TRUE(WaitIdle(600));

	EXPECT_EQ(CountLines("LevelwrightLog: Error: Busy! can't deploy at this time"), 3);
	EXPECT_EQ(CountLines("LevelwrightLog: Deploy Platform Builds"), 2) << "the second deploy click passes its guards, then meets the busy flag";
	EXPECT_FALSE(LogHas("Submiting content"));
	EXPECT_TRUE(WindowIdle());
}

TEST_F(FWindowClickTest, ClicksOnSubmitWhileAStageRunsAreRefusedWithTheBusyLine)
{
	StartWorkshopProject();
	const auto Before = WorkshopFiles();
	Window().StageButtonClicked();
	Window().SubmitButtonClicked();
	ASSERT_TRUE(WaitIdle());

	EXPECT_EQ(CountLines("LevelwrightLog: Error: Busy! can't deploy at this time"), 1);
	EXPECT_EQ(CountLines("LevelwrightLog: Cook command: "), 1);
	EXPECT_EQ(WorkshopFiles(), Before) << "nothing reached the Workshop";
	EXPECT_TRUE(WindowIdle());
}

TEST_F(FWindowClickTest, TheEditorsSecondClickFindsTheThrobberInsteadOfTheButton)
{
	WriteSampleWorkshopMap(SampleItem);
	const FProcessResult Result = RunEditorScript(*this, "open-tab\nclick Testing(Steam)\nclick Stage\nclick Stage\nwait-idle 300\n");
	EXPECT_EQ(Result.LinesWith("LevelwrightLog: Cook command: ").size(), 1u) << Result.Output;
	EXPECT_EQ(Result.LinesWith("Script: Error: ").size(), 1u) << Result.Output;
	EXPECT_TRUE(Result.Has("Stage")) << Result.Output;
	EXPECT_TRUE(std::filesystem::exists(StagedPak()));
}
