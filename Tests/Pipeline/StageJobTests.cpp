// A whole stage through the stand-in tools: cook, pack into the game install, end idle.
#include <gmock/gmock.h>

#include "PipelineTestSupport.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace
{
constexpr unsigned long long ItemId = 2000000001ull;
const std::string MapFolder = "UGC2000000001";

class FStageJobTest : public FPipelineTest
{
protected:
	fs::path StagedPak() const { return Machine.PaksDir() / "pakchunk_workshop_stage.pak"; }

	void StartWorkshopProject()
	{
		StartModule();
		ASSERT_NE(Module().WorkshopMap, nullptr);
		ASSERT_EQ(Module().WorkshopMap->ItemId, ItemId);
		ASSERT_FALSE(Module().GameInstallPath.IsEmpty());
	}
};
} // namespace

TEST_F(FStageJobTest, PacksExactlyTheCookedMapFolderIntoTheGameInstall)
{
	WriteSampleWorkshopMap(ItemId);
	WriteFile(StagedPak(), "an earlier stage");
	StartWorkshopProject();

	Module().RequestStage();
	EXPECT_TRUE(Module().bBusy.load());
	ASSERT_TRUE(WaitIdle());

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_EQ(ReadSaved("WorkshopCook.txt"), "Build:0");
	EXPECT_TRUE(HasLine("LevelwrightLog: Cook command: \"" + Project.File().generic_string() +
						"\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map=/Game/CustomMaps/UGC2000000001/Arena"));
	const FPakListing Listing = ListPak(StagedPak());
	ASSERT_EQ(Listing.ExitCode, 0);
	EXPECT_EQ(Listing.MountPoint, "../../../Drovik/Content/CustomMaps/UGC2000000001/");
	const std::vector<std::string> CookedFiles = ListFilesBelow(CookedMapDir("WindowsNoEditor", MapFolder));
	EXPECT_EQ(Listing.Names, CookedFiles);
	for (const char* File : {"Arena.umap", "Arena.uexp", "Props/Crate.uasset", "Preview.ubulk", "definition.uasset"})
	{
		EXPECT_THAT(Listing.Names, Contains(File));
	}
	// The rock outside the map folder is cooked with the map but stays out of the pak.
	EXPECT_TRUE(fs::exists(SavedDir() / "Cooked" / "WindowsNoEditor" / "Drovik" / "Content" / "Shared" / "Rock.uasset"));
	EXPECT_THAT(Listing.Names, Not(Contains(HasSubstr("Rock"))));
	EXPECT_THAT(ReadSaved("custommap_paklist.txt"), Not(HasSubstr("Rock")));
	EXPECT_THAT(Boxes(), IsEmpty());
	EXPECT_FALSE(LogHas("LevelwrightLog: Error"));
}

TEST_F(FStageJobTest, AFailedCookLeavesTheStagedPakAlone)
{
	const std::string Folder = "/Game/CustomMaps/" + MapFolder;
	Project.WriteDefinition(MapFolder, "{\"Id\": \"" + MapFolder + "\", \"MapLabel\": \"Arena\", \"Version\": 1, \"Map\": \"" + Folder +
										   "/Gone.Gone\", \"QuestMap\": \"\", \"IsCustomGameMode\": false, \"CustomGameModeLabel\": \"\"}");
	WriteFile(StagedPak(), "an earlier stage");
	StartWorkshopProject();

	Module().RequestStage();
	ASSERT_TRUE(WaitIdle());

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Cook command returned non-zero value: 1 \n"));
	EXPECT_TRUE(HasLine("LevelwrightLog: Error: Cooked content is needed for staging!"));
	EXPECT_FALSE(LogHas("Adding to paklist"));
	EXPECT_EQ(ReadFile(StagedPak()), "an earlier stage");
	EXPECT_THAT(Boxes(), IsEmpty());
}
