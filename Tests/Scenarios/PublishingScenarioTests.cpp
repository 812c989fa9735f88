// Publishing that explains itself, through the tab as an author drives it: checks before Steam is
// asked, a preview scaled to fit, Steam's refusals in words, a new item's definition on disk at once,
// and a content folder that holds only the submission's own files.
#include <gmock/gmock.h>

#include "ScenarioTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

namespace
{
const std::string SampleDefinition = "/Game/CustomMaps/UGC2000000001/definition.definition";

class FPublishingScenarioTest : public FScenarioTest
{
protected:
	std::string ItemFile() const { return ReadFile(ItemDir(SampleItemId) / "item.json"); }
};
} // namespace

// 64 times "\u00e9" and one "a" is 129 bytes of UTF-8, one more than Steam takes: nothing is sent.
TEST_F(FPublishingScenarioTest, AnOverlongTitleIsRefusedBeforeSteamWithItsByteCount)
{
	WriteSampleWorkshopMap(SampleItemId);
	std::string Title = "a";
	for (int Letter = 0; Letter < 64; ++Letter)
	{
		Title += "\xc3\xa9";
	}
	const std::string Before = ItemFile();

	const FProcessResult Result = Run("open-tab\nedit " + SampleDefinition + " MapLabel=\"" + Title + "\"\nclick Sync Metadata\nwait-idle\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(ItemFile(), Before) << "the item is untouched";
	EXPECT_FALSE(Result.Has("Synced item")) << Result.Output;
	EXPECT_THAT(Result.LinesWith("LevelwrightLog: Error: "),
				ElementsAre("LevelwrightLog: Error: The title (MapLabel in the map's definition) takes 129 bytes, and Steam takes at most "
							"128. Shorten it: letters such as \"\xc3\xa9\" take two bytes or more."))
		<< Result.Output;
	EXPECT_TRUE(Result.Has("MessageBox [Drovik Workshop] Sync Metadata sent nothing to Steam. Fix the following, then try again:\n\n- "
						   "The title (MapLabel in the map's definition) takes 129 bytes"))
		<< Result.Output;
}

// A 2048 x 2048 noisy preview is a PNG of about 16 MB; Steam takes previews under 1 MB only.
TEST_F(FPublishingScenarioTest, ALargeNoisyPreviewIsScaledAndSteamTakesIt)
{
	WriteSampleWorkshopMap(SampleItemId);
	WriteFile(Project.ContentPath("/Game/CustomMaps/UGC2000000001/Preview", ".png"), MakeNoisePng(2048, 2048));

	const FProcessResult Result = Run("open-tab\nclick Sync Metadata\nwait-idle\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("LevelwrightLog: Synced item")) << Result.Output;
	const fs::path Stored = ItemDir(SampleItemId) / "preview.png";
	ASSERT_TRUE(fs::is_regular_file(Stored));
	const uintmax_t Bytes = fs::file_size(Stored);
	EXPECT_LT(Bytes, 1048576u);
	const std::vector<std::string> Scaled = Result.LinesWith("LevelwrightLog: Scaled the preview Preview down from 2048x2048 pixels (");
	ASSERT_THAT(Scaled, SizeIs(1)) << Result.Output;
	EXPECT_THAT(Scaled[0], HasSubstr(" pixels (" + std::to_string(Bytes) + " bytes): Steam takes a preview under 1048576 bytes"));
	EXPECT_FALSE(Result.Has("Failed to sync")) << Result.Output;
}

TEST_F(FPublishingScenarioTest, ASubmissionAnsweredWithAccessDeniedEndsInABoxAndTheWindowIdle)
{
	WriteSampleWorkshopMap(SampleItemId);
	Machine.SetClient("faults", R"({"SubmitItemUpdate": 15})");
	const std::string Before = ItemFile();

	const FProcessResult Result =
		Run("open-tab\nclick Deployment(Steam)\ntype Change note Second release\nclick Submit\nwait-idle\nshow\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(ItemFile(), Before);
	const std::string Meaning = "result 15, access denied: the Steam account signed in may not change this item (it is another account's "
								"item, or the account does not own Drovik). Sign in to the account that owns the game and the item.";
	EXPECT_TRUE(Result.Has("LevelwrightLog: Error: Steam answered the submission with " + Meaning)) << Result.Output;
	EXPECT_TRUE(Result.Has("MessageBox [Drovik Workshop] The submission to the Workshop failed.\n\n" + Meaning)) << Result.Output;
	EXPECT_FALSE(Result.Has("Successfully submited")) << Result.Output;
	const std::vector<FShownTree> Trees = ShownTrees(Result.Output);
	ASSERT_THAT(Trees, SizeIs(1)) << Result.Output;
	EXPECT_TRUE(Trees[0].Has("SButton", "Submit")) << Trees[0].Text();
	EXPECT_FALSE(Trees[0].Has("SThrobber")) << Trees[0].Text();
}

// The definition is the project's only link to its new item: it is on disk before the author saves.
TEST_F(FPublishingScenarioTest, ACreatedItemsDefinitionIsOnDiskWithoutSaveAll)
{
	const FProcessResult Result = Run("open-tab\nclick Create New\nwait-idle\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_EQ(ReadItem(NextItemId).value("id", 0ull), NextItemId);
	const fs::path Definition = Project.ContentPath("/Game/CustomMaps/UGC2000000002/definition", ".uasset");
	ASSERT_TRUE(fs::is_regular_file(Definition)) << Result.Output;
	EXPECT_NE(ReadFile(Definition).find("\"UGC2000000002\""), std::string::npos);
	EXPECT_THAT(Result.LinesWith("LevelwrightLog: Saved the definition of Workshop item 2000000002 to "), SizeIs(1)) << Result.Output;
	EXPECT_FALSE(Result.Has("MessageBox")) << Result.Output;
}

TEST_F(FPublishingScenarioTest, AStaleFileInTheContentFolderIsNotUploaded)
{
	WriteSampleWorkshopMap(SampleItemId);
	const fs::path ContentDir = Project.Dir() / "Saved" / "Cooked" / "Workshop";
	WriteFile(ContentDir / "OldMap.pak", "a pak of an earlier build");

	const FProcessResult Result = Run("open-tab\nclick Deployment(Steam)\ntype Change note Third\nclick Submit\nwait-idle\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("MessageBox [Drovik Workshop] Successfully submited to the workshop!")) << Result.Output;
	const FJson Versions = ReadItem(SampleItemId)["versions"];
	ASSERT_EQ(Versions.size(), 2u) << Versions.dump();
	EXPECT_EQ(Versions.back()["files"], FJson::parse(R"(["LinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"])"));
	EXPECT_FALSE(fs::exists(ItemDir(SampleItemId) / "content" / "OldMap.pak"));
	EXPECT_FALSE(fs::exists(ContentDir / "OldMap.pak"));
}
