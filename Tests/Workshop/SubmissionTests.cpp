// Uploading a content folder with a change note, called directly as the submit job calls it.
#include <atomic>
#include <optional>

#include "Standin/Machine.h"
#include "WorkshopTest.h"

namespace LevelwrightTest
{
namespace
{
// A user folder as Windows names it: the upload must find it, so the path must reach Steam intact.
const char16_t* ContentFolder = u"C:/Users/J\u00fcrgen/Documents/Drovik/Saved/Cooked/Workshop";
const char16_t* ChangeNote = u"Premi\u00e8re version \u2713 \u6e2f\u53e3";
const char* ChangeNoteUtf8 = "Premi\xc3\xa8re version \xe2\x9c\x93 \xe6\xb8\xaf\xe5\x8f\xa3";

class FSubmissionTest : public FWorkshopTest
{
protected:
	std::optional<bool> Outcome;
	std::string Reason;

	FUGCInterface& StartOnSampleItem()
	{
		FUGCInterface& WorkshopMap = StartWorkshop();
		WorkshopMap.ItemId = SampleItemId;
		WorkshopMap.OnSubmitFinished.BindLambda([this](bool bSucceeded, const FString& InReason) {
			Outcome = bSucceeded;
			Reason = Standin::Machine::ToUtf8(*InReason);
		});
		const std::filesystem::path Folder = Machine.Drive(Standin::Machine::ToUtf8(ContentFolder));
		WriteFile(Folder / "WindowsNoEditor.pak", "windows pak");
		WriteFile(Folder / "LinuxServer.pak", "linux pak");
		WriteFile(Folder / "metadata.json", "{ test: 1 }");
		return WorkshopMap;
	}

	void Submit() { Map().SubmitContent(FString(ContentFolder), FString(ChangeNote)); }

	bool WaitForOutcome()
	{
		return TickUntil([this] { return Outcome.has_value(); }, 30);
	}
};

TEST_F(FSubmissionTest, NonAsciiFolderAndChangeNoteReachTheItemIntact)
{
	StartOnSampleItem();
	Submit();
	EXPECT_FALSE(Outcome.has_value()) << "the answer comes only through the module tick";
	ASSERT_TRUE(WaitForOutcome());

	EXPECT_TRUE(*Outcome);
	EXPECT_TRUE(LogHas("LevelwrightLog: Submiting content to APP: 731904  Item: 2000000001"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Content submision succeeded"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Steam answered the submission with result 1, OK: Steam accepted the request."));
	EXPECT_EQ(Reason, "");
	EXPECT_FALSE(EnsureReported("bSetContentSucceed"));
	const FJson Item = ReadItem(SampleItemId);
	ASSERT_EQ(Item["versions"].size(), 2u);
	EXPECT_EQ(Item["versions"][1]["changeNote"], ChangeNoteUtf8);
	EXPECT_EQ(Item["versions"][1]["files"], FJson::parse(R"(["LinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"])"));
	EXPECT_EQ(Item["metadata"], "metadata");
	EXPECT_EQ(ReadFile(ItemDir(SampleItemId) / "content" / "metadata.json"), "{ test: 1 }");
}

TEST_F(FSubmissionTest, RefusedRequestEndsTheSubmissionWithFailure)
{
	SetFault("SubmitItemUpdate", "\"refuse\"");
	StartOnSampleItem();
	Submit();
	ASSERT_TRUE(Outcome.has_value()) << "no answer will come, so the submission must end now";
	EXPECT_FALSE(*Outcome);
	EXPECT_EQ(Reason, "Steam refused the upload before sending anything. Check that Steam is running and signed in, then submit again.");
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Workshop submission failed: "));
	EXPECT_EQ(ReadItem(SampleItemId)["versions"].size(), 1u);
}

TEST_F(FSubmissionTest, IOFailureEndsTheSubmissionWithFailure)
{
	SetFault("SubmitItemUpdate", "\"ioFailure\"");
	StartOnSampleItem();
	Submit();
	ASSERT_TRUE(WaitForOutcome());
	EXPECT_FALSE(*Outcome);
	EXPECT_TRUE(EnsureReported("bIOFailure == false"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Workshop submission failed: "));
	EXPECT_EQ(Reason, "Steam reported an I/O failure, so the upload may not have arrived. Look at the item's page, then submit again.");
}

// A result code is logged with what it means, and the reason the submission ends with says the same.
TEST_F(FSubmissionTest, FailedResultEndsTheSubmissionWithWhatItMeans)
{
	SetFault("SubmitItemUpdate", "15");
	StartOnSampleItem();
	Submit();
	ASSERT_TRUE(WaitForOutcome());
	EXPECT_FALSE(*Outcome);
	EXPECT_FALSE(LogHas("Content submision succeeded"));
	const std::string Meaning = "result 15, access denied: the Steam account signed in may not change this item (it is another account's "
								"item, or the account does not own Drovik). Sign in to the account that owns the game and the item.";
	EXPECT_EQ(CountLines("LevelwrightLog: Error: Steam answered the submission with " + Meaning), 1);
	EXPECT_EQ(Reason, Meaning);
}

TEST_F(FSubmissionTest, RefusedContentFolderIsReportedAndTheSubmissionGoesOn)
{
	SetFault("SetItemContent", "\"refuse\"");
	StartOnSampleItem();
	Submit();
	ASSERT_TRUE(WaitForOutcome());
	EXPECT_TRUE(EnsureReported("bSetContentSucceed"));
	EXPECT_TRUE(*Outcome) << "Steam's answer decides the outcome";
}

TEST_F(FSubmissionTest, LegalAgreementOpensTheItemsPage)
{
	Machine.SetClient("legalAgreementAccepted", "false");
	StartOnSampleItem();
	testing::internal::CaptureStdout();
	Submit();
	const bool bAnswered = WaitForOutcome();
	const std::string Printed = testing::internal::GetCapturedStdout();
	ASSERT_TRUE(bAnswered);
	EXPECT_TRUE(*Outcome);
	EXPECT_NE(Printed.find("LogSteamStandin: Overlay opened steam://url/CommunityFilePage/2000000001\n"), std::string::npos);
}

// The module's handler ends the busy state and unbinds the delegate it is run by; the window must
// come back to idle even when Steam refuses the upload.
TEST_F(FSubmissionTest, RefusedSubmissionLeavesTheModuleIdle)
{
	SetFault("SubmitItemUpdate", "\"refuse\"");
	FUGCInterface& WorkshopMap = StartOnSampleItem();
	Module().bBusy = true;
	WorkshopMap.OnSubmitFinished.BindRaw(&Module(), &FLevelwrightModule::OnWorkshopSubmitFinished);
	Submit();
	EXPECT_FALSE(Module().bBusy);
	EXPECT_FALSE(WorkshopMap.OnSubmitFinished.IsBound());
}

// Counts its living copies, so a handler can tell whether its own binding was destroyed under it.
std::atomic<int> LiveSentinels{0};
struct FSentinel
{
	FSentinel() { ++LiveSentinels; }
	FSentinel(const FSentinel&) { ++LiveSentinels; }
	~FSentinel() { --LiveSentinels; }
};
std::atomic<bool> bBindingOutlivedUnbind{false};

TEST_F(FSubmissionTest, HandlerMayUnbindTheDelegateRunningIt)
{
	FUGCInterface& WorkshopMap = StartOnSampleItem();
	WorkshopMap.OnSubmitFinished.BindLambda([Sentinel = FSentinel(), &WorkshopMap](bool, const FString&) {
		WorkshopMap.OnSubmitFinished.Unbind();
		bBindingOutlivedUnbind = LiveSentinels.load() > 0;
	});
	Submit();
	ASSERT_TRUE(TickUntil([&] { return !WorkshopMap.OnSubmitFinished.IsBound(); }, 30));
	EXPECT_TRUE(bBindingOutlivedUnbind) << "the running binding was destroyed while it ran";
}
} // namespace
} // namespace LevelwrightTest
