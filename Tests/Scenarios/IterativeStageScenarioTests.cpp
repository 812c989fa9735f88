// "Cook only what changed" on the Testing page: a stage that cooks iteratively must give the pak a full
// stage of the same project gives, byte for byte, whatever changed since the last cook.
#include <gmock/gmock.h>

#include "PipelineTestSupport.h"
#include "ScenarioTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const std::string MapFolder = "/Game/CustomMaps/UGC2000000001";

class FIterativeStageScenarioTest : public FScenarioTest
{
protected:
	void SetUp() override
	{
		FScenarioTest::SetUp();
		WriteSampleWorkshopMap(SampleItemId);
		// Not referenced by the map: cooked because the whole CustomMaps folder always is.
		Project.WritePackage(MapFolder + "/Props/Barrel", R"({"Class": "StaticMesh", "Properties": {"Triangles": 20}})");
	}

	fs::path StagedPak() const { return StagedPaksDir() / "pakchunk_workshop_stage.pak"; }

	// One Stage through the tab; the check box is clicked first when bOnlyWhatChanged.
	FProcessResult Stage(bool bOnlyWhatChanged) const
	{
		const FProcessResult Result =
			Run(std::string("open-tab\nclick Testing(Steam)\n") + (bOnlyWhatChanged ? "click Cook only what changed\n" : "") + "click Stage\nwait-idle\nquit\n");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
		EXPECT_TRUE(Result.LinesWith("LevelwrightLog: Error").empty()) << Result.Output;
		return Result;
	}

	// The staged pak and its file names after an iterative stage, then the pak a full stage of the same
	// project gives.
	struct FStagedPaks
	{
		std::string Iterative;
		std::vector<std::string> IterativeNames;
		std::string IterativeCookLog;
		std::string Full;
	};
	FStagedPaks StageIterativelyThenInFull() const
	{
		FStagedPaks Paks;
		Stage(true);
		Paks.Iterative = ReadFile(StagedPak());
		Paks.IterativeNames = PakNames();
		Paks.IterativeCookLog = CookLog();
		Stage(false);
		Paks.Full = ReadFile(StagedPak());
		return Paks;
	}

	std::string CookLog() const { return ReadFile(Project.Dir() / "Saved" / "Logs" / "Drovik-cook.log"); }

	std::vector<std::string> PakNames() const { return ListPak(StagedPak()).Names; }
};
} // namespace

TEST_F(FIterativeStageScenarioTest, TheCookCommandLineGainsIterateOnlyWhenTheBoxIsChecked)
{
	const std::string FullCook = "LevelwrightLog: Cook command: \"" + fs::absolute(Project.File()).lexically_normal().generic_string() +
								 "\"  -run=cook -targetplatform=WindowsNoEditor+LinuxServer -UnVersioned -map=" + MapFolder + "/Arena";

	EXPECT_THAT(Stage(false).LinesWith("Cook command:"), ElementsAre(FullCook));
	const FProcessResult Checked = Run("open-tab\nclick Testing(Steam)\nclick Cook only what changed\nclick Cook only what changed\n"
									   "click Cook only what changed\nclick Stage\nwait-idle\nquit\n");
	EXPECT_THAT(Checked.LinesWith("Cook command:"), ElementsAre(FullCook + " -iterate"));
	EXPECT_THAT(Checked.LinesWith("cook only what changed"),
				ElementsAre("LevelwrightLog: Checked cook only what changed", "LevelwrightLog: Unchecked cook only what changed",
							"LevelwrightLog: Checked cook only what changed"));
}

TEST_F(FIterativeStageScenarioTest, AnUnchangedProjectCooksNothingAndStagesTheSamePak)
{
	Stage(false);
	const std::string Full = ReadFile(StagedPak());

	Stage(true);

	EXPECT_EQ(ReadFile(StagedPak()), Full);
	EXPECT_THAT(CookLog(), HasSubstr("Iterative cook of WindowsNoEditor: kept 6 packages, cooked 0, removed 0 files"));
}

TEST_F(FIterativeStageScenarioTest, AnEditedPackageIsCookedAgainAndThePakEqualsAFullStage)
{
	Stage(false);
	const std::string Before = ReadFile(StagedPak());
	Project.WritePackage(MapFolder + "/Props/Crate", R"({"Class": "StaticMesh", "Properties": {"Triangles": 4096}})");

	const FStagedPaks Paks = StageIterativelyThenInFull();

	EXPECT_NE(Paks.Iterative, Before);
	EXPECT_EQ(Paks.Iterative, Paks.Full);
	// The crate, the map that references it and the definition that references the map; the rock, the
	// preview and the barrel are kept.
	EXPECT_THAT(Paks.IterativeCookLog, HasSubstr("Iterative cook of WindowsNoEditor: kept 3 packages, cooked 3, removed 0 files"));
}

TEST_F(FIterativeStageScenarioTest, ADeletedPackageLeavesThePakAndThePakEqualsAFullStage)
{
	Stage(false);
	ASSERT_THAT(PakNames(), ::testing::Contains("Props/Barrel.uasset"));
	fs::remove(Project.ContentPath(MapFolder + "/Props/Barrel", ".uasset"));

	const FStagedPaks Paks = StageIterativelyThenInFull();

	EXPECT_THAT(Paks.IterativeNames, Not(::testing::Contains("Props/Barrel.uasset")));
	EXPECT_THAT(Paks.IterativeNames, Not(::testing::Contains("Props/Barrel.uexp")));
	EXPECT_EQ(Paks.Iterative, Paks.Full);
}
