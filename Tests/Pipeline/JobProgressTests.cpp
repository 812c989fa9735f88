// The words a running job shows, and the module's cancel: at once, once, and harmless when there is
// nothing left to cancel.
#include <cstdlib>

#include <gmock/gmock.h>

#include "Levelwright/JobProgress.h"
#include "Levelwright/ProgressTexts.h"
#include "PipelineTestSupport.h"

using namespace LevelwrightTest;
using namespace LevelwrightProgress;

namespace
{
std::string Str(const FString& Text)
{
	return ToUtf8(Text);
}

class FJobCancelTest : public FPipelineTest
{
protected:
	void TearDown() override
	{
		::unsetenv("LEVELWRIGHT_COOK_SECONDS");
		FPipelineTest::TearDown();
	}

	int CancelLines() const
	{
		int Count = 0;
		for (const std::string& Line : LogLines())
		{
			Count += Line == "LevelwrightLog: Warning: Staging cancelled by the author" ? 1 : 0;
		}
		return Count;
	}
};
} // namespace

TEST(ProgressTexts, NameTheStepInWords)
{
	EXPECT_EQ(Str(MakeCookStepText(TEXT("/Game/CustomMaps/UGC2000000001/Arena"), TEXT("WindowsNoEditor"))), "Cooking Arena for WindowsNoEditor");
	EXPECT_EQ(Str(MakeCookStepText(TEXT("Arena"), TEXT("Android_ASTC"))), "Cooking Arena for Android_ASTC");
	EXPECT_EQ(Str(MakePackStepText(TEXT("C:/Maps/Arena/Saved/Cooked/Workshop/LinuxServer.pak"))), "Packing LinuxServer.pak");
	EXPECT_EQ(Str(MakeJobStartText(EJobKind::Submit)), "Building the Workshop content");
}

TEST(ProgressTexts, AnUploadInMegabytesAndPercent)
{
	EXPECT_EQ(Str(MakeUploadStepText(3, 12300000, 45600000)), "Uploading to the Workshop: 12.3 of 45.6 MB (27%)");
	EXPECT_EQ(Str(MakeUploadStepText(3, 45599999, 45600000)), "Uploading to the Workshop: 45.6 of 45.6 MB (99%)");
	EXPECT_EQ(Str(MakeUploadStepText(3, 45600000, 45600000)), "Uploading to the Workshop: 45.6 of 45.6 MB (100%)");
	EXPECT_EQ(Str(MakeUploadStepText(3, 0, 0)), "Uploading to the Workshop: 0.0 of 0.0 MB (0%)");
	EXPECT_EQ(Str(MakeUploadStepText(1, 0, 0)), "Preparing the upload");
	EXPECT_EQ(Str(MakeUploadStepText(4, 10, 10)), "Uploading the preview image");
	EXPECT_EQ(Str(MakeUploadStepText(5, 10, 10)), "Committing");
	EXPECT_EQ(Str(MakeUploadStepText(0, 0, 0)), "Waiting for Steam");
}

TEST(ProgressTexts, HowAJobEnded)
{
	EXPECT_EQ(Str(MakeJobSucceededText(EJobKind::Stage)), "Staged in your Drovik install");
	EXPECT_EQ(Str(MakeJobFailedText(EJobKind::Deploy, TEXT("the cook failed"))), "Building the Quarn mod failed: the cook failed");
	EXPECT_EQ(Str(MakeJobCancelledText(EJobKind::Submit)), "Submitting cancelled");
	EXPECT_EQ(Str(MakeJobCancelledLine(EJobKind::Stage)), "Staging cancelled by the author");
	EXPECT_EQ(Str(MakeJobStoppedAtShutdownLine(EJobKind::Stage)), "Staging stopped: the editor is shutting down");
}

TEST_F(FJobCancelTest, ACancelStopsTheJobAtOnceAndOnlyOnce)
{
	WriteSampleWorkshopMap(2000000001ull);
	StartModule();
	::setenv("LEVELWRIGHT_COOK_SECONDS", "30", 1);
	Module().RequestStage();
	ASSERT_TRUE(TickUntil([this] { return LogHas("LogCook: Display: Cooking... (1 s)"); }, 30));

	Module().CancelJob();

	// Idle when the cancel returns, with the job ended as cancelled.
	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_FALSE(Module().GetRunningJob().IsValid());
	Module().CancelJob();
	EXPECT_EQ(CancelLines(), 1);
	EXPECT_FALSE(LogHas("Cooked content is needed for staging!"));

	// After a job that ended by itself there is nothing to cancel.
	::unsetenv("LEVELWRIGHT_COOK_SECONDS");
	Module().RequestStage();
	ASSERT_TRUE(WaitIdle());
	Module().CancelJob();
	EXPECT_EQ(CancelLines(), 1);
	EXPECT_TRUE(std::filesystem::exists(Machine.GameDir() / "Drovik" / "Content" / "Paks" / "pakchunk_workshop_stage.pak"));
}
