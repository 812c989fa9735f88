// A full cook starts clean, seen through the plugin: the stand-in editor staging a Workshop map and
// deploying a Quarn mod, with files of earlier cooks in the cooked folders. What reaches the paks is what
// the engine's clean cooks give.
#include <algorithm>

#include <gmock/gmock.h>

#include "EditorProcess.h"
#include "PipelineTestSupport.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace
{
const std::string Leftover = "left by an earlier cook";

class FCleanCookScenarioTest : public FPipelineTest
{
protected:
	FProcessResult Run(const std::string& Script) const { return RunEditorScript(*this, Script); }

	std::string CookLog() const { return ReadFile(SavedDir() / "Logs" / "Drovik-cook.log"); }

	static std::vector<std::string> Sorted(std::vector<std::string> Names)
	{
		std::sort(Names.begin(), Names.end());
		return Names;
	}
};
} // namespace

TEST_F(FCleanCookScenarioTest, AStagedPakHoldsNothingAnEarlierCookLeft)
{
	WriteSampleWorkshopMap(2000000001);
	const fs::path Gone = CookedMapDir("WindowsNoEditor", "UGC2000000001") / "Old" / "Gone.uasset";
	WriteFile(Gone, Leftover);

	const FProcessResult Result = Run("open-tab\nclick Testing(Steam)\nclick Stage\nwait-idle\nquit\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	const FPakListing Staged = ListPak(Machine.PaksDir() / "pakchunk_workshop_stage.pak");
	ASSERT_EQ(Staged.ExitCode, 0);
	EXPECT_THAT(Staged.Names, Contains("Arena.umap"));
	EXPECT_THAT(Staged.Names, Not(Contains("Old/Gone.uasset")));
	EXPECT_THAT(Result.LinesWith("Adding to paklist"), Not(IsEmpty())) << Result.Output;
	EXPECT_THAT(Result.LinesWith("Gone.uasset"), IsEmpty()) << "the pak list names no leftover";
	EXPECT_FALSE(fs::exists(Gone.parent_path()));
	EXPECT_THAT(CookLog(), HasSubstr("LogCook: Display: Full cook: deleting the cooked folder " + (SavedDir() / "Cooked" / "WindowsNoEditor").generic_string()));
}

// The deploy cooks LinuxServer twice: with the main map (WindowsNoEditor+LinuxServer), packed into
// LinuxServer.pak, then with the quest map (Android_ASTC+LinuxServer), packed into QuarnLinuxServer.pak.
// The second cook starts from an empty LinuxServer folder, so each server pak holds its own map's files.
TEST_F(FCleanCookScenarioTest, AQuarnDeployPacksWhatEachCleanCookGives)
{
	// Without an always-cooked /Game/CustomMaps each cook reaches only its own map's packages, so the
	// two cooks of LinuxServer differ (with it, as in the samples, both cook the whole mod folder).
	WriteFile(Project.Dir() / "Config" / "DefaultGame.ini", "[/Script/UnrealEd.ProjectPackagingSettings]\n");
	const std::string Folder = "/Game/CustomMaps/QRN_Harbour";
	for (const std::string Map : {"Main", "Quest"})
	{
		const std::string Own = Map == "Main" ? "PcOnly" : "QuestOnly";
		Project.WritePackage(Folder + "/Maps/" + Map,
							 "{\"Class\": \"World\", \"References\": [\"" + Folder + "/Props/Crate\", \"" + Folder + "/Props/" + Own + "\", \"" + Folder +
								 "/Textures/Water\"]}",
							 true);
		Project.WritePackage(Folder + "/Props/" + Own, R"({"Class": "StaticMesh"})");
	}
	Project.WritePackage(Folder + "/Props/Crate", R"({"Class": "StaticMesh", "Properties": {"Triangles": 12}})");
	Project.WritePackage(Folder + "/Textures/Water", R"({"Class": "Texture2D", "Properties": {"Source": "Water.png"}})");
	WriteFile(Project.ContentPath(Folder + "/Textures/Water", ".png"), MakePng(8, 8, 0x2255AAFFu));
	Project.WriteDefinition("QRN_Harbour", "{\"Id\": \"QRN_Harbour\", \"MapLabel\": \"Harbour\", \"Version\": 1, \"Map\": \"" + Folder +
											   "/Maps/Main.Main\", \"QuestMap\": \"" + Folder +
											   "/Maps/Quest.Quest\", \"IsCustomGameMode\": false, \"CustomGameModeLabel\": \"\", \"bCreatedByPlugin\": true}");
	// A prop an earlier deploy cooked, since deleted from the project.
	for (const char* Platform : {"WindowsNoEditor", "LinuxServer", "Android_ASTC"})
	{
		WriteFile(CookedMapDir(Platform, "QRN_Harbour") / "Props" / "Removed.uasset", Leftover);
	}

	const FProcessResult Result = Run("open-tab\nclick Server Map\nclick Windows\nclick Build Selected Platform(s)\nwait-idle\nquit\n");

	ASSERT_EQ(Result.ExitCode, 0) << Result.Output;
	ASSERT_TRUE(Result.Has("MessageBox [Drovik Build] Successfully built!")) << Result.Output;
	const fs::path Depot = SavedDir() / "Cooked" / "Depot" / "QRN_Harbour";
	const auto Files = [](const std::string& Map, const std::string& Own, bool bClient) {
		std::vector<std::string> Names{"Maps/" + Map + ".umap", "Maps/" + Map + ".uexp", "Props/Crate.uasset", "Props/Crate.uexp",
									   "Props/" + Own + ".uasset", "Props/" + Own + ".uexp", "Textures/Water.uasset", "Textures/Water.uexp"};
		if (bClient)
		{
			Names.push_back("Textures/Water.ubulk");
		}
		return Sorted(Names);
	};
	EXPECT_EQ(ListPak(Depot / "WindowsNoEditor.pak").Names, Files("Main", "PcOnly", true));
	EXPECT_EQ(ListPak(Depot / "LinuxServer.pak").Names, Files("Main", "PcOnly", false));
	EXPECT_EQ(ListPak(Depot / "Android_ASTC.pak").Names, Files("Quest", "QuestOnly", true));
	EXPECT_EQ(ListPak(Depot / "QuarnLinuxServer.pak").Names, Files("Quest", "QuestOnly", false));
}
