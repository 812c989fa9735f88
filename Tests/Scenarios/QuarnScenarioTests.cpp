// Without Steam: a Drovik:Quarn mod created and built for its platforms through the tab, and an
// editor with no map object at all, whose every page must still show.
#include <gmock/gmock.h>

#include "ScenarioTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::SizeIs;

namespace
{
const std::string ModFolder = "/Game/CustomMaps/QRN_Old_Harbour_2_0";

class FQuarnScenarioTest : public FScenarioTest
{
protected:
	void SetUp() override
	{
		FScenarioTest::SetUp();
		Machine.SetClient("running", "false");
	}

	void WriteModMaps() const
	{
		Project.WritePackage(ModFolder + "/Props/Crate", R"({"Class": "StaticMesh", "Properties": {"Triangles": 12}})");
		for (const char* Map : {"Main", "Quest"})
		{
			Project.WritePackage(ModFolder + "/Maps/" + Map, "{\"Class\": \"World\", \"Properties\": {}, \"References\": [\"" + ModFolder + "/Props/Crate\"]}",
								 true);
		}
	}

	std::vector<std::string> FilesIn(const fs::path& Folder) const
	{
		std::vector<std::string> Names;
		for (const auto& Entry : fs::directory_iterator(Folder))
		{
			Names.push_back(Entry.path().filename().string());
		}
		std::sort(Names.begin(), Names.end());
		return Names;
	}
};
} // namespace

TEST_F(FQuarnScenarioTest, ANewModIsCreatedThenBuiltForBothPlatforms)
{
	const std::unique_ptr<FChildProcess> Editor = StartInteractive();
	Editor->Write("answer yes\nopen-tab\nshow\ntype Map Name Old Harbour 2.0\nclick Create New\nshow\n");
	ASSERT_TRUE(Editor->WaitForOutput("\"Setup complete!\"")) << Editor->OutputSoFar();
	const std::vector<FShownTree> Setup = ShownTrees(Editor->OutputSoFar());
	ASSERT_THAT(Setup, SizeIs(2)) << Editor->OutputSoFar();
	EXPECT_TRUE(Setup[0].Has("STextBlock", "No QRN folder found, is this a new map? if so create a new Drovik:Quarn mod")) << Setup[0].Text();
	EXPECT_FALSE(Setup[1].Has("SButton", "Create New")) << Setup[1].Text();

	// The author now makes the maps in the mod's folder and links them in the definition.
	WriteModMaps();
	Editor->Write("edit " + ModFolder + "/definition.definition Map=" + ModFolder + "/Maps/Main.Main QuestMap=" + ModFolder +
				  "/Maps/Quest.Quest\n"
				  "save-all\n"
				  "click Server Map\n"
				  "click Windows\n"
				  "click Build Selected Platform(s)\n"
				  "wait-idle\n");
	const FProcessResult Result = Editor->Finish();

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_THAT(Result.LinesWith("MessageBox ["), ElementsAre("MessageBox [Drovik Build] Successfully built!")) << Result.Output;
	const fs::path Depot = Project.Dir() / "Saved" / "Cooked" / "Depot" / "QRN_Old_Harbour_2_0";
	ASSERT_THAT(FilesIn(Depot), ElementsAre("Android_ASTC.pak", "LinuxServer.pak", "QuarnLinuxServer.pak", "WindowsNoEditor.pak", "metadata.json"));
	const nlohmann::json Metadata = nlohmann::json::parse(ReadFile(Depot / "metadata.json"));
	EXPECT_EQ(Metadata["Id"], "QRN_Old_Harbour_2_0");
	EXPECT_EQ(Metadata["WindowsPakSize"], fs::file_size(Depot / "WindowsNoEditor.pak"));
	EXPECT_EQ(Metadata["AndroidPakSize"], fs::file_size(Depot / "Android_ASTC.pak"));
}

TEST_F(FQuarnScenarioTest, WithoutAnyMapObjectEveryPageStillShows)
{
	const FProcessResult Result = Run("answer no\nopen-tab\nshow\n"
									  "click Testing(Steam)\nshow\n"
									  "click Deployment(Steam)\nshow\n"
									  "click Server Map\nshow\n"
									  "close-tab\nopen-tab\nshow\n"
									  "click Setup\ntick 10\nshow\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	EXPECT_TRUE(Result.Has("MessageBox [Error] Steam is not running or failed to load it")) << Result.Output;
	const std::vector<FShownTree> Trees = ShownTrees(Result.Output);
	ASSERT_THAT(Trees, SizeIs(6)) << Result.Output;
	for (const size_t SetupShow : {0u, 5u})
	{
		EXPECT_TRUE(Trees[SetupShow].Has("STextBlock", "Ready! Sync metadata updates the title and preview image from your local definition asset"))
			<< Trees[SetupShow].Text();
	}
	EXPECT_TRUE(Trees[1].Has("SButton", "Stage")) << Trees[1].Text();
	EXPECT_TRUE(Trees[2].Has("SButton", "Submit")) << Trees[2].Text();
	EXPECT_TRUE(Trees[2].Has("SEditableTextBox")) << Trees[2].Text();
	EXPECT_TRUE(Trees[3].Has("SButton", "Build Selected Platform(s)")) << Trees[3].Text();
	EXPECT_TRUE(Trees[3].Has("SCheckBox", "Windows")) << Trees[3].Text();
	EXPECT_TRUE(Trees[3].Has("SCheckBox", "Android")) << Trees[3].Text();
	// The selected page lives in the module: a reopened tab comes back on it.
	EXPECT_TRUE(Trees[4].Has("SButton", "Build Selected Platform(s)")) << Trees[4].Text();
	// The Setup page was laid out on every show and frame, in two windows: the missing object is reported once.
	EXPECT_THAT(Result.LinesWith("Ensure condition failed: Interface "), SizeIs(1)) << Result.Output;
}
