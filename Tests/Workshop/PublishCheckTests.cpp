// The checks made before Steam is asked: their texts and boundaries on their own, and their agreement
// with what the simulated Steam refuses at the same boundaries.
#include <optional>

#include <gmock/gmock.h>

#include "UGCInterface/PublishCheckTexts.h"
#include "UGCInterface/TexturePreview.h"
#include "UGCInterface/WorkshopConstants.h"
#include "Standin/Machine.h"
#include "WorkshopTest.h"

namespace LevelwrightTest
{
namespace
{
using namespace PublishCheckTexts;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Utf8(const FString& Text)
{
	return Standin::Machine::ToUtf8(*Text);
}

std::vector<std::string> Utf8(const TArray<FString>& Texts)
{
	std::vector<std::string> Out;
	for (const FString& Text : Texts)
	{
		Out.push_back(Utf8(Text));
	}
	return Out;
}

// Ascii letters, then Accented times "\u00e9" (two bytes each).
FString MakeText(int32 Ascii, int32 Accented = 0)
{
	std::u16string Text(static_cast<size_t>(Ascii), u'a');
	Text.append(static_cast<size_t>(Accented), u'\u00e9');
	return FString(Text.c_str());
}

std::vector<std::string> TitleProblems(const FString& Title)
{
	TArray<FString> Problems;
	CheckTitle(Title, Problems);
	return Utf8(Problems);
}

std::vector<std::string> ChangeNoteProblems(const FString& Note)
{
	TArray<FString> Problems;
	CheckChangeNote(Note, Problems);
	return Utf8(Problems);
}

std::string TitleTooLong(int Bytes)
{
	return "The title (MapLabel in the map's definition) takes " + std::to_string(Bytes) +
		   " bytes, and Steam takes at most 128. Shorten it: letters such as \"\xc3\xa9\" take two bytes or more.";
}

const std::string ContentDir = "C:/Drovik/Saved/Cooked/Workshop";

std::vector<std::string> ContentProblems(std::initializer_list<FContentEntry> Entries)
{
	TArray<FString> Problems;
	TArray<FContentEntry> List;
	for (const FContentEntry& Entry : Entries)
	{
		List.Add(Entry);
	}
	CheckContentFolder(FString(u"C:/Drovik/Saved/Cooked/Workshop"), List, Problems);
	return Utf8(Problems);
}
} // namespace

TEST(PublishCheckTexts, Utf8LengthCountsBytesNotCharacters)
{
	EXPECT_EQ(GetUtf8Length(FString()), 0);
	EXPECT_EQ(GetUtf8Length(FString(u"Arena")), 5);
	EXPECT_EQ(GetUtf8Length(FString(u"\u00e9")), 2);
	EXPECT_EQ(GetUtf8Length(FString(u"\u20ac")), 3);
	EXPECT_EQ(GetUtf8Length(FString(u"Ar\u00e8ne \u2713")), 10);
}

TEST(PublishCheckTexts, TitleOf128BytesPassesAnd129AreRefusedWithTheirCount)
{
	EXPECT_THAT(TitleProblems(MakeText(128)), IsEmpty());
	EXPECT_THAT(TitleProblems(MakeText(0, 64)), IsEmpty());
	EXPECT_THAT(TitleProblems(MakeText(129)), ElementsAre(TitleTooLong(129)));
	EXPECT_THAT(TitleProblems(MakeText(127, 1)), ElementsAre(TitleTooLong(129))) << "127 letters and one \"\u00e9\"";
	EXPECT_THAT(TitleProblems(MakeText(0, 65)), ElementsAre(TitleTooLong(130)));
}

TEST(PublishCheckTexts, EmptyTitleIsRefused)
{
	EXPECT_THAT(TitleProblems(FString()),
				ElementsAre("The title (MapLabel in the map's definition) is empty, and Steam refuses an item without one. Give the map a "
							"title in its definition."));
	EXPECT_THAT(TitleProblems(FString(u"A")), IsEmpty());
}

TEST(PublishCheckTexts, ChangeNoteOf8000BytesPassesAnd8001AreRefused)
{
	EXPECT_THAT(ChangeNoteProblems(FString()), IsEmpty()) << "a submission may come without a note";
	EXPECT_THAT(ChangeNoteProblems(MakeText(8000)), IsEmpty());
	EXPECT_THAT(ChangeNoteProblems(MakeText(0, 4000)), IsEmpty());
	const std::string TooLong = "The change note takes 8001 bytes, and Steam takes at most 8000. Shorten it.";
	EXPECT_THAT(ChangeNoteProblems(MakeText(8001)), ElementsAre(TooLong));
	EXPECT_THAT(ChangeNoteProblems(MakeText(1, 4000)), ElementsAre(TooLong));
}

TEST(PublishCheckTexts, AnUpdateNeedsAnItemAndACreationNone)
{
	TArray<FString> Problems;
	CheckItemId(2000000001ull, Problems);
	CheckNoItemYet(0, Problems);
	EXPECT_THAT(Utf8(Problems), IsEmpty());

	CheckItemId(0, Problems);
	CheckNoItemYet(2000000001ull, Problems);
	EXPECT_THAT(Utf8(Problems),
				ElementsAre("The project has no Workshop item yet (its item id is 0). Create one with Create New on the Setup page first.",
							"The project already has Workshop item 2000000001 (steam://url/CommunityFilePage/2000000001). A second item "
							"would not be linked to the project; update this one with Submit and Sync Metadata."));
}

TEST(PublishCheckTexts, PreviewProblemsNameTheTextureAndItsFormat)
{
	EXPECT_EQ(Utf8(GetSourceFormatName(TSF_G8)), "G8 (8-bit grayscale)");
	EXPECT_EQ(Utf8(GetSourceFormatName(TSF_RGBA16F)), "RGBA16F (16-bit floating-point color)");
	EXPECT_EQ(Utf8(MakePreviewFormatProblem(FString(u"Shot"), FString(u"RGBA16 (16-bit color)"))),
			  "The preview texture Shot is RGBA16 (16-bit color), and the Workshop preview is made from 8-bit BGRA art only. Convert it: "
			  "reimport the image as a color texture (B8G8R8A8), or choose another PreviewImage in the definition.");
	EXPECT_EQ(Utf8(MakePreviewMipProblem(FString(u"Shot"))),
			  "The preview texture Shot has no first mip matching its art, so there is no image to send. Reimport the image, or choose "
			  "another PreviewImage in the definition.");
}

TEST(PublishCheckTexts, ContentFolderWithBothPaksAndTheMetadataPasses)
{
	EXPECT_THAT(ContentProblems({{FString(u"WindowsNoEditor.pak"), 10}, {FString(u"LinuxServer.pak"), 1}, {FString(u"metadata.json"), 11}}),
				IsEmpty());
	EXPECT_THAT(ContentProblems({{FString(u"LinuxServer.pak"), 1}, {FString(u"WindowsNoEditor.pak"), 10}}), IsEmpty())
		<< "metadata.json is not required";
}

TEST(PublishCheckTexts, ContentFolderProblemsNameEachFileAndTheFolder)
{
	EXPECT_THAT(ContentProblems({{FString(u"LinuxServer.pak"), 0}, {FString(u"Old.pak"), 5}, {FString(u"Notes"), -1}}),
				ElementsAre("WindowsNoEditor.pak was not written to the content folder " + ContentDir +
								". The log's pak lines say why; submit again once that is fixed.",
							"LinuxServer.pak in the content folder " + ContentDir +
								" is empty. The log's pak lines say why; submit again once that is fixed.",
							"Old.pak in the content folder " + ContentDir +
								" is left from an earlier build and would be uploaded with the map. Delete it (the editor could not), then "
								"submit again.",
							"Notes in the content folder " + ContentDir +
								" is left from an earlier build and would be uploaded with the map. Delete it (the editor could not), then "
								"submit again."));
	EXPECT_THAT(ContentProblems({{FString(u"WindowsNoEditor.pak"), -1}, {FString(u"LinuxServer.pak"), 3}}),
				ElementsAre("WindowsNoEditor.pak was not written to the content folder " + ContentDir +
							". The log's pak lines say why; submit again once that is fixed."))
		<< "a folder of the pak's name is no pak";
}

TEST(PublishCheckTexts, TheBoxListsEveryProblemUnderTheAction)
{
	TArray<FString> Problems;
	Problems.Add(FString(u"First."));
	Problems.Add(FString(u"Second."));
	EXPECT_EQ(Utf8(MakeChecksFailedText(FString(u"Sync Metadata"), Problems)),
			  "Sync Metadata sent nothing to Steam. Fix the following, then try again:\n\n- First.\n- Second.");
}

// Steam refuses a preview of 1 MB or more; the plugin scales exactly those.
TEST(PreviewScaling, OneMegabyteIsTheFirstSizeThatIsScaled)
{
	EXPECT_EQ(PreviewFileLimit, 1048576);
	EXPECT_TRUE(FitsWorkshopPreview(1048575));
	EXPECT_FALSE(FitsWorkshopPreview(1048576));
	EXPECT_FALSE(FitsWorkshopPreview(5000000));
}

TEST(PreviewScaling, TheNextSizeKeepsTheAspectAndFitsTheByteRatio)
{
	int32 SizeX = 0;
	int32 SizeY = 0;
	// A 4:1 file over the limit shrinks each side by about the square root of the byte ratio (here 1/4), with a margin.
	GetScaledPreviewSize(2048, 1024, 16 * PreviewFileLimit, SizeX, SizeY);
	EXPECT_EQ(SizeX, 460);
	EXPECT_EQ(SizeY, 230);
	// Just over the limit, each try is still at least a tenth smaller.
	GetScaledPreviewSize(2000, 1000, PreviewFileLimit, SizeX, SizeY);
	EXPECT_EQ(SizeX, 1800);
	EXPECT_EQ(SizeY, 900);
	// A side never goes below one pixel.
	GetScaledPreviewSize(3000, 1, 4 * PreviewFileLimit, SizeX, SizeY);
	EXPECT_EQ(SizeX, 1350);
	EXPECT_EQ(SizeY, 1);
}

// A Steam session of the plugin: each check refuses exactly what Steam refuses at the same boundary.
class FPublishCheckSteamTest : public FWorkshopTest
{
protected:
	struct FSubmitWatcher
	{
		std::optional<EResult> Result;
		void OnSubmit(SubmitItemUpdateResult_t* Data, bool bIOFailure) { Result = bIOFailure ? k_EResultIOFailure : Data->m_eResult; }
	};

	// Submits an update of the sample item with that title (when given) and change note; Steam's result.
	EResult SubmitUpdate(const FString* Title, const FString& ChangeNote)
	{
		ISteamUGC* UGC = SteamUGC();
		const UGCUpdateHandle_t Update = UGC->StartItemUpdate(WorkshopConsumerAppId, SampleItemId);
		if (Title)
		{
			EXPECT_TRUE(UGC->SetItemTitle(Update, Utf8(*Title).c_str()));
		}
		FSubmitWatcher Watcher;
		CCallResult<FSubmitWatcher, SubmitItemUpdateResult_t> Holder;
		Holder.Set(UGC->SubmitItemUpdate(Update, Utf8(ChangeNote).c_str()), &Watcher, &FSubmitWatcher::OnSubmit);
		EXPECT_TRUE(TickUntil([&Watcher] { return Watcher.Result.has_value(); }, 30)) << "Steam never answered";
		return Watcher.Result.value_or(k_EResultFail);
	}
};

TEST_F(FPublishCheckSteamTest, TheChangeNoteCheckAgreesWithSteamAtItsLimit)
{
	StartWorkshop();
	for (const FString& Note : {MakeText(8000), MakeText(8001), MakeText(0, 4000), MakeText(1, 4000)})
	{
		const EResult Result = SubmitUpdate(nullptr, Note);
		EXPECT_EQ(ChangeNoteProblems(Note).empty(), Result == k_EResultOK) << GetUtf8Length(Note) << " bytes: result " << Result;
	}
}

TEST_F(FPublishCheckSteamTest, TheEmptyTitleSteamRefusesIsRefusedFirst)
{
	StartWorkshop();
	const FString Empty;
	EXPECT_EQ(SubmitUpdate(&Empty, FString(u"note")), k_EResultInvalidParam);
	EXPECT_THAT(TitleProblems(Empty), testing::SizeIs(1));
}

TEST_F(FPublishCheckSteamTest, TheTitleCheckAgreesWithSteamAtItsLimit)
{
	StartWorkshop();
	ISteamUGC* UGC = SteamUGC();
	ASSERT_NE(UGC, nullptr);
	for (const FString& Title : {MakeText(127), MakeText(128), MakeText(129), MakeText(0, 64), MakeText(1, 64), MakeText(126, 1)})
	{
		const UGCUpdateHandle_t Update = UGC->StartItemUpdate(WorkshopConsumerAppId, SampleItemId);
		const bool bSteamTakesIt = UGC->SetItemTitle(Update, Utf8(Title).c_str());
		EXPECT_EQ(TitleProblems(Title).empty(), bSteamTakesIt) << GetUtf8Length(Title) << " bytes";
	}
}
} // namespace LevelwrightTest
