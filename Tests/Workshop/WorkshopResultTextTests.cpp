// What the author is told about an outcome: Steam's result codes in words, the end of a submission,
// the definition of a new item, a scaled preview. Each text pinned to the character.
#include <gmock/gmock.h>

#include "Standin/Machine.h"
#include "UGCInterface/WorkshopResultTexts.h"

namespace
{
using namespace WorkshopResultTexts;
using ::testing::StartsWith;

std::string Utf8(const FString& Text)
{
	return Standin::Machine::ToUtf8(*Text);
}

TEST(WorkshopResultTexts, EachResultTheWorkshopGivesIsNamed)
{
	const std::vector<std::pair<int32, std::string>> Names = {
		{1, "OK: "},
		{2, "generic failure: "},
		{8, "invalid parameter: "},
		{9, "file not found: "},
		{14, "duplicate name: "},
		{15, "access denied: "},
		{16, "timeout: "},
		{25, "limit exceeded: "},
		{33, "locking failed: "},
		{44, "service read-only: "},
		{84, "rate limit exceeded: "},
		{86, "item deleted: "},
	};
	for (const auto& [Result, Name] : Names)
	{
		EXPECT_THAT(Utf8(GetResultSentence(Result)), StartsWith(Name)) << "result " << Result;
	}
}

TEST(WorkshopResultTexts, AnyOtherResultIsUnexpected)
{
	const std::string Unexpected = "unexpected: a result the Workshop is not known to give. Try again; if it stays, look the number up in "
								   "Steam's list of results (EResult).";
	for (const int32 Result : {0, 3, 20, 21, 85, 87, 1000, -1})
	{
		EXPECT_EQ(Utf8(GetResultSentence(Result)), Unexpected) << "result " << Result;
	}
	EXPECT_EQ(Utf8(MakeResultText(21)), "result 21, " + Unexpected);
}

TEST(WorkshopResultTexts, ResultTextAndLineCarryTheNumberAndWhatToDo)
{
	EXPECT_EQ(Utf8(MakeResultText(25)), "result 25, limit exceeded: the preview image is 1 MB or larger, or your Steam Cloud storage is full. "
										"Use a smaller preview, or free space in your Steam Cloud.");
	EXPECT_EQ(Utf8(MakeResultLine(FString(u"the submission"), 16)),
			  "Steam answered the submission with result 16, timeout: Steam took too long to answer. Try again.");
	EXPECT_EQ(Utf8(MakeResultLine(FString(u"the item creation"), 1)),
			  "Steam answered the item creation with result 1, OK: Steam accepted the request.");
}

TEST(WorkshopResultTexts, AFailedSubmissionsBoxGivesItsReason)
{
	EXPECT_EQ(Utf8(MakeSubmissionFailedText(FString(CookFailedReason))),
			  "The submission to the Workshop failed.\n\nThe map could not be cooked. The log's cook lines say why; fix that, then submit "
			  "again.");
	EXPECT_EQ(Utf8(BoxCaption), "Drovik Workshop");
}

TEST(WorkshopResultTexts, TheNewItemsDefinitionTexts)
{
	EXPECT_EQ(Utf8(MakeItemPageUrl(2000000002ull)), "steam://url/CommunityFilePage/2000000002");
	EXPECT_EQ(Utf8(MakeDefinitionSavedLine(18446744073709551615ull, FString(u"C:/Maps/Content/CustomMaps/UGC1/definition.uasset"))),
			  "Saved the definition of Workshop item 18446744073709551615 to C:/Maps/Content/CustomMaps/UGC1/definition.uasset");
	EXPECT_EQ(Utf8(MakeDefinitionNotSavedText(7, FString(u"C:/M/definition.uasset"))),
			  "Workshop item 7 was created, but its definition could not be saved to C:/M/definition.uasset. Save it now (File > Save "
			  "All): until it is saved, the project loses its link to the item if the editor stops. The item's page is "
			  "steam://url/CommunityFilePage/7.");
}

TEST(WorkshopResultTexts, TheScaledPreviewLineGivesBothSizes)
{
	EXPECT_EQ(Utf8(MakePreviewScaledLine(FString(u"Shot"), 2048, 2048, 16793600ll, 460, 460, 848000ll)),
			  "Scaled the preview Shot down from 2048x2048 pixels (16793600 bytes) to 460x460 pixels (848000 bytes): Steam takes a "
			  "preview under 1048576 bytes");
}
} // namespace
