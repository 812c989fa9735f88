// The three requests: their guards in order, what a refusal leaves untouched, the cook marker, and the
// end of a Workshop submission.
#include <gmock/gmock.h>

#include "PipelineTestSupport.h"
#include "QRNInterface/QRNInterface.h"
#include "Standin/Dialogs.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace
{
constexpr unsigned long long ItemId = 2000000001ull;

const char* const DefinitionWithoutMaps =
	"{\"Id\": \"QRN_Harbour\", \"MapLabel\": \"Harbour\", \"Version\": 1, \"Map\": \"\", \"QuestMap\": \"\", "
	"\"IsCustomGameMode\": false, \"CustomGameModeLabel\": \"\", \"bCreatedByPlugin\": true}";

class FJobDispatchTest : public FPipelineTest
{
protected:
	// Quarn mode with the game installed: a QRN_ folder, optionally with a definition.
	void StartQuarnProject(bool bWithDefinition)
	{
		fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / "QRN_Harbour");
		if (bWithDefinition)
		{
			Project.WriteDefinition("QRN_Harbour", DefinitionWithoutMaps);
		}
		StartModule();
		ASSERT_NE(Module().QuarnMod, nullptr);
		ASSERT_EQ(Module().WorkshopMap, nullptr);
		ASSERT_FALSE(Module().GameInstallPath.IsEmpty());
	}

	fs::path MarkerPath() const { return SavedDir() / "WorkshopCook.txt"; }

	// Runs Request and returns the plugin's log lines and the boxes it showed, in their order.
	std::vector<std::string> Run(void (FLevelwrightModule::*Request)())
	{
		MarkLog();
		(Module().*Request)();
		std::vector<std::string> Lines;
		for (const std::string& Line : LinesSinceMark())
		{
			if (Line.rfind("LevelwrightLog: ", 0) == 0 || Line.rfind("MessageBox ", 0) == 0)
			{
				Lines.push_back(Line);
			}
		}
		return Lines;
	}

	// Each guard of the stage or submit request, from the first to the last, with nothing else.
	void ExpectGuardsInOrder(void (FLevelwrightModule::*Request)(), const char* BusyLine, const char* InstallLine)
	{
		StartQuarnProject(false);
		const FString InstallPath = Module().GameInstallPath;
		Module().bBusy.store(true);
		Module().GameInstallPath.Empty();
		EXPECT_THAT(Run(Request), ElementsAre(BusyLine));
		EXPECT_TRUE(Module().bBusy.load());

		Module().bBusy.store(false);
		EXPECT_THAT(Run(Request), ElementsAre(InstallLine));

		Module().GameInstallPath = InstallPath;
		EXPECT_THAT(Run(Request),
					ElementsAre("LevelwrightLog: Error: Cannot stage Android only mods, must have a valid UGC/have steam running to stage"));

		EXPECT_FALSE(Module().bBusy.load());
		EXPECT_FALSE(fs::exists(MarkerPath()));
		EXPECT_THAT(Boxes(), IsEmpty());
	}

	// A Workshop map whose map cannot be resolved: the request shows why and starts nothing.
	void ExpectNoJobWithoutAMap(void (FLevelwrightModule::*Request)(), bool bWithDefinition, const std::string& BoxText)
	{
		fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / ("UGC" + std::to_string(ItemId)));
		if (bWithDefinition)
		{
			Project.WriteDefinition("UGC" + std::to_string(ItemId), DefinitionWithoutMaps);
		}
		StartModule();
		ASSERT_NE(Module().WorkshopMap, nullptr);
		Module().MapPackageName = TEXT("/Game/Earlier/Map");

		(Module().*Request)();

		EXPECT_TRUE(BoxShown("Cook Error", BoxText));
		EXPECT_FALSE(Module().bBusy.load());
		EXPECT_EQ(ToUtf8(Module().MapPackageName), "/Game/Earlier/Map");
		ASSERT_TRUE(WaitIdle(30));
		Tick(5);
		EXPECT_FALSE(LogHas("Cook command"));
		EXPECT_EQ(Boxes().size(), 1u);
	}
};
} // namespace

TEST_F(FJobDispatchTest, StageGuardsInOrder)
{
	ExpectGuardsInOrder(&FLevelwrightModule::RequestStage, "LevelwrightLog: Error: Busy! can't stage at this time",
						"LevelwrightLog: Error: Drovik installation not found, can't stage");
}

TEST_F(FJobDispatchTest, SubmitGuardsInOrder)
{
	ExpectGuardsInOrder(&FLevelwrightModule::RequestSubmit, "LevelwrightLog: Error: Busy! can't deploy at this time",
						"LevelwrightLog: Error: Drovik installation not found, can't deploy");
}

TEST_F(FJobDispatchTest, StageWithoutALinkedMapStartsNoJob)
{
	ExpectNoJobWithoutAMap(&FLevelwrightModule::RequestStage, true, "ERROR: Map is not linked in the definition");
}

TEST_F(FJobDispatchTest, SubmitWithoutADefinitionStartsNoJob)
{
	ExpectNoJobWithoutAMap(&FLevelwrightModule::RequestSubmit, false, "ERROR: Definition not found!");
}

TEST_F(FJobDispatchTest, DeployRefusesAWorkshopMapBeforeLookingAtTheBusyFlag)
{
	WriteSampleWorkshopMap(ItemId);
	StartModule();
	ASSERT_NE(Module().WorkshopMap, nullptr);
	Module().bBusy.store(true);

	EXPECT_THAT(Run(&FLevelwrightModule::RequestDeploy), ElementsAre("MessageBox [Drovik Build] You can't deploy Steam UGC as server maps!"));

	EXPECT_FALSE(fs::exists(MarkerPath()));
	Module().bBusy.store(false);
}

TEST_F(FJobDispatchTest, DeployNeedsADefinition)
{
	StartQuarnProject(false);

	EXPECT_THAT(Run(&FLevelwrightModule::RequestDeploy),
				ElementsAre("MessageBox [Drovik Build] You need to create a definition before you can deploy!",
							"LevelwrightLog: Error: You need to create a definition before you can deploy!"));

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_FALSE(fs::exists(MarkerPath()));
}

TEST_F(FJobDispatchTest, DeployWithoutAnyMapObjectIsRefusedAsWithoutDefinition)
{
	Machine.SetClient("running", "false");
	Standin::Dialogs::QueueAnswer(EAppReturnType::No);
	StartModule();
	ASSERT_EQ(Module().QuarnMod, nullptr);
	ASSERT_EQ(Module().WorkshopMap, nullptr);
	Standin::Dialogs::ClearShown();

	EXPECT_THAT(Run(&FLevelwrightModule::RequestDeploy),
				ElementsAre("MessageBox [Drovik Build] You need to create a definition before you can deploy!",
							"LevelwrightLog: Error: You need to create a definition before you can deploy!"));

	EXPECT_FALSE(Module().bBusy.load());
}

TEST_F(FJobDispatchTest, DeployWhileBusyLogsThenRefuses)
{
	StartQuarnProject(true);
	Module().bBusy.store(true);

	EXPECT_THAT(Run(&FLevelwrightModule::RequestDeploy),
				ElementsAre("LevelwrightLog: Deploy Platform Builds", "LevelwrightLog: Error: Busy! can't deploy at this time"));

	EXPECT_FALSE(fs::exists(MarkerPath()));
	EXPECT_THAT(Boxes(), IsEmpty());
	Module().bBusy.store(false);
}

TEST_F(FJobDispatchTest, DeployWritesTheAndroidMarkerAndEndsIdle)
{
	StartQuarnProject(true);
	Module().bBuildAndroid = false;
	Module().bBuildWindows = false;

	Module().RequestDeploy();

	EXPECT_EQ(ReadFile(MarkerPath()), "Build:1");
	ASSERT_TRUE(WaitIdle(60));
	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(BoxShown("Drovik Build", "Successfully built!"));
}

TEST_F(FJobDispatchTest, CookMarkerIsSevenBytesOverwrittenEachTime)
{
	StartQuarnProject(false);

	Module().WriteCookMarker(false);
	EXPECT_EQ(ReadFile(MarkerPath()), "Build:1");
	Module().WriteCookMarker(true);
	EXPECT_EQ(ReadFile(MarkerPath()), "Build:0");
}

// An author must never be left to guess: a submission Steam answers with an error ends as a success
// does, idle, with its handler unbound, its job's notification ended and a box giving the reason.
TEST_F(FJobDispatchTest, ASubmissionSteamRefusesEndsIdleWithABoxGivingTheReason)
{
	WriteSampleWorkshopMap(ItemId);
	Machine.SetClient("faults", "{\"SubmitItemUpdate\": 15}");
	StartModule();

	Module().RequestSubmit();
	ASSERT_TRUE(Module().GetRunningJob().IsValid());
	ASSERT_TRUE(WaitIdle());

	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_FALSE(Module().WorkshopMap->OnSubmitFinished.IsBound());
	EXPECT_FALSE(Module().GetRunningJob().IsValid()) << "the job's notification has ended";
	ASSERT_THAT(Boxes(), SizeIs(1));
	EXPECT_EQ(Boxes()[0].Caption, "Drovik Workshop");
	EXPECT_THAT(Boxes()[0].Text, ::testing::StartsWith("The submission to the Workshop failed.\n\n"));
	EXPECT_THAT(Boxes()[0].Text, ::testing::HasSubstr("access denied"));
}

// Nothing is cooked for a submission Steam would refuse: the checks run when Submit is pressed.
TEST_F(FJobDispatchTest, SubmitWithAnOverlongChangeNoteCooksNothingAndSaysWhy)
{
	WriteSampleWorkshopMap(ItemId);
	StartModule();
	Module().WorkshopMap->ChangeNote = FString(std::u16string(8001, u'n').c_str());

	const std::vector<std::string> Lines = Run(&FLevelwrightModule::RequestSubmit);

	EXPECT_FALSE(Module().bBusy.load());
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_FALSE(LogHas("Cook command"));
	const std::string Problem = "The change note takes 8001 bytes, and Steam takes at most 8000. Shorten it.";
	EXPECT_THAT(Lines, ElementsAre("LevelwrightLog: Error: " + Problem,
								   "MessageBox [Drovik Workshop] The submission to the Workshop failed.\n\nSubmit sent nothing to Steam. "
								   "Fix the following, then try again:\n\n- " + Problem));
}
