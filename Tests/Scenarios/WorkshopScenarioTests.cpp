// A Steam Workshop map taken through the tab: creating its item, staging it into the game, submitting
// it and syncing its metadata, each as one editor script.
#include <gmock/gmock.h>

#include "ScenarioTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::SizeIs;

namespace
{
const std::string ReadyText = "Ready! Sync metadata updates the title and preview image from your local definition asset";
const std::string StageNotVisible = "Script: Error: no visible widget labelled \"Stage\"";

class FWorkshopScenarioTest : public FScenarioTest
{
protected:
	std::string ListPak(const fs::path& Pak) const
	{
		return RunProcess(Engine.BinariesDir() / "UnrealPak.exe", {Pak.string(), "-List"}, Temp.Path()).Output;
	}
};
} // namespace

TEST_F(FWorkshopScenarioTest, CreateNewMakesAnItemAndTheSetupPageMovesOnWithoutReopening)
{
	const FProcessResult Result = Run("open-tab\nshow\nclick Create New\nwait-idle\nshow\nsave-all\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	const std::vector<FShownTree> Trees = ShownTrees(Result.Output);
	ASSERT_THAT(Trees, SizeIs(2)) << Result.Output;
	EXPECT_TRUE(Trees[0].Has("STextBlock", "No UGC folder found, is this a new map? if so create a new workshop item")) << Trees[0].Text();
	EXPECT_TRUE(Trees[0].Has("SButton", "Create New")) << Trees[0].Text();
	EXPECT_TRUE(Trees[1].Has("STextBlock", ReadyText)) << Trees[1].Text();
	EXPECT_TRUE(Trees[1].Has("SButton", "Sync Metadata")) << Trees[1].Text();
	EXPECT_TRUE(Trees[1].Has("SHyperlink", "Add/Edit Images & Videos")) << Trees[1].Text();
	EXPECT_FALSE(Trees[1].Has("SButton", "Create New")) << Trees[1].Text();

	EXPECT_EQ(ReadItem(NextItemId).value("id", 0ull), NextItemId) << "the simulated Workshop holds no new item";
	EXPECT_TRUE(fs::is_regular_file(Project.ContentPath("/Game/CustomMaps/UGC2000000002/definition", ".uasset")));
}

TEST_F(FWorkshopScenarioTest, StagingShowsAThrobberInsteadOfTheButtonUntilThePakIsInTheGame)
{
	WriteSampleWorkshopMap(SampleItemId);
	HoldCooks();
	const std::unique_ptr<FChildProcess> Editor = StartInteractive();

	Editor->Write("open-tab\nclick Testing(Steam)\nclick Stage\nshow\nclick Stage\n");
	ASSERT_TRUE(Editor->WaitForOutput(StageNotVisible)) << Editor->OutputSoFar();
	const std::vector<FShownTree> DuringJob = ShownTrees(Editor->OutputSoFar());
	ASSERT_THAT(DuringJob, SizeIs(1)) << Editor->OutputSoFar();
	EXPECT_TRUE(DuringJob[0].Has("SThrobber")) << DuringJob[0].Text();
	EXPECT_FALSE(DuringJob[0].Has("SButton", "Stage")) << DuringJob[0].Text();
	EXPECT_THAT(PaksIn(StagedPaksDir()), SizeIs(0)) << "the cook was not held back";

	// The check boxes take no part in the job: they stay usable while it runs.
	Editor->Write("click Server Map\nclick Android\n");
	ASSERT_TRUE(Editor->WaitForOutput("LevelwrightLog: Unchecked android build")) << Editor->OutputSoFar();

	OpenCookGate();
	Editor->Write("wait-idle\nclick Testing(Steam)\nshow\nquit\n");
	const FProcessResult Result = Editor->Finish();

	// The refused second click is the only failure of the script.
	EXPECT_THAT(Result.LinesWith("Script: Error:"), ElementsAre(StageNotVisible)) << Result.Output;
	const std::vector<FShownTree> Trees = ShownTrees(Result.Output);
	ASSERT_THAT(Trees, SizeIs(2)) << Result.Output;
	EXPECT_TRUE(Trees[1].Has("SButton", "Stage")) << Trees[1].Text();
	EXPECT_FALSE(Trees[1].Has("SThrobber")) << Trees[1].Text();

	const std::vector<std::string> Staged = PaksIn(StagedPaksDir());
	ASSERT_THAT(Staged, SizeIs(1)) << Result.Output;
	EXPECT_NE(ListPak(StagedPaksDir() / Staged[0]).find("\"Arena.umap\""), std::string::npos) << "the staged pak lacks the map";
}

TEST_F(FWorkshopScenarioTest, SubmitPublishesAVersionWithTheTypedChangeNote)
{
	WriteSampleWorkshopMap(SampleItemId);

	const FProcessResult Result =
		Run("open-tab\nclick Deployment(Steam)\ntype Change note First release\nclick Submit\nwait-idle\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("MessageBox [Drovik Workshop] Successfully submited to the workshop!")) << Result.Output;
	const FJson Versions = ReadItem(SampleItemId)["versions"];
	ASSERT_EQ(Versions.size(), 2u) << Versions.dump();
	EXPECT_EQ(Versions.back()["changeNote"], "First release");
	EXPECT_THAT(Versions.back()["files"].get<std::vector<std::string>>(), Contains("WindowsNoEditor.pak"));
}

TEST_F(FWorkshopScenarioTest, SyncMetadataSendsTheEditedTitleAndHidesTheActionsWhileSteamAnswers)
{
	WriteSampleWorkshopMap(SampleItemId);

	// No frame runs between script lines, so the Steam request is still pending at the first `show`.
	const FProcessResult Result = Run("open-tab\n"
									  "edit /Game/CustomMaps/UGC2000000001/definition.definition MapLabel=\"Harbour Run\"\n"
									  "click Sync Metadata\n"
									  "click Testing(Steam)\n"
									  "show\n"
									  "wait-idle\n"
									  "show\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("LevelwrightLog: Synced item")) << Result.Output;
	const FJson Item = ReadItem(SampleItemId);
	EXPECT_EQ(Item["title"], "Harbour Run");
	EXPECT_EQ(Item["tags"], FJson::parse(R"(["Deathmatch", "Zombie Coop", "Capture the Flag"])"));

	const std::vector<FShownTree> Trees = ShownTrees(Result.Output);
	ASSERT_THAT(Trees, SizeIs(2)) << Result.Output;
	EXPECT_FALSE(Trees[0].Has("SButton", "Stage")) << Trees[0].Text();
	EXPECT_FALSE(Trees[0].Has("SThrobber")) << Trees[0].Text();
	EXPECT_TRUE(Trees[1].Has("SButton", "Stage")) << Trees[1].Text();
}
