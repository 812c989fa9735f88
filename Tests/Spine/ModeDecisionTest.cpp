// Start-up: the mode table, steam_appid.txt, and what a commandlet does instead of asking.
#include <filesystem>

#include "PluginTestFixture.h"
#include "QRNInterface/QRNInterface.h"
#include "Standin/Dialogs.h"
#include "Standin/Engine.h"
#include "Standin/Tickables.h"
#include "UGCInterface/UGCInterface.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
class ModeDecision : public FPluginTest
{
protected:
	void MakeMapFolder(const std::string& Name) { fs::create_directories(Project.Dir() / "Content" / "CustomMaps" / Name); }
	void StopSteam() { Machine.SetClient("running", "false"); }
	int QuestionsAsked() const
	{
		int Count = 0;
		for (const auto& Box : Boxes())
		{
			Count += Box.Type == EAppMsgType::YesNo ? 1 : 0;
		}
		return Count;
	}
};
} // namespace

TEST_F(ModeDecision, QuarnFolderWinsWhetherSteamRunsOrNot)
{
	for (const bool bSteamRunning : {true, false})
	{
		SCOPED_TRACE(bSteamRunning ? "Steam running" : "Steam not running");
		Machine.SetClient("running", bSteamRunning ? "true" : "false");
		MakeMapFolder("QRN_Harbour");
		FLevelwrightModule& Module = StartModule();
		EXPECT_TRUE(LogHas("LevelwrightLog: Loaded QRN ID:Harbour"));
		EXPECT_TRUE(LogHas("LevelwrightLog: Found Quarn only Mod!"));
		ASSERT_NE(Module.QuarnMod, nullptr);
		EXPECT_EQ(Module.QuarnMod->ModId, FString(TEXT("Harbour")));
		EXPECT_EQ(Module.WorkshopMap, nullptr);
		EXPECT_FALSE(Module.IsTickable());
		EXPECT_EQ(QuestionsAsked(), 0);
		ShutdownModule();
	}
}

TEST_F(ModeDecision, SteamRunningWithWorkshopFolderIsWorkshopModeAndTicks)
{
	MakeMapFolder("UGC2000000001");
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.WorkshopMap, nullptr);
	EXPECT_EQ(Module.WorkshopMap->ItemId, 2000000001u);
	EXPECT_EQ(Module.QuarnMod, nullptr);
	EXPECT_TRUE(Module.IsTickable());
	Tick();
	EXPECT_EQ(Standin::Editor::NumTickedLastFrame(), 1);
	EXPECT_EQ(QuestionsAsked(), 0);
}

TEST_F(ModeDecision, SteamRunningWithoutFolderIsWorkshopModeWithoutItem)
{
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.WorkshopMap, nullptr);
	EXPECT_EQ(Module.WorkshopMap->ItemId, 0u);
	EXPECT_FALSE(Module.WorkshopMap->bRequestPending);
}

TEST_F(ModeDecision, NoSteamAndNoAnswerYesLeavesNoMode)
{
	for (const bool bAnswerNo : {true, false})
	{
		SCOPED_TRACE(bAnswerNo ? "answered No" : "nobody answered");
		StopSteam();
		Standin::Dialogs::ClearShown();
		if (bAnswerNo)
		{
			Standin::Dialogs::QueueAnswer(EAppReturnType::No);
		}
		FLevelwrightModule& Module = StartModule();
		EXPECT_TRUE(LogHas(bAnswerNo ? "Question: Are you making a Drovik:Quarn mod? -> No" : "Question: Are you making a Drovik:Quarn mod? -> Cancel"));
		EXPECT_TRUE(BoxShown("Error", "Steam is not running or failed to load it"));
		EXPECT_EQ(QuestionsAsked(), 1);
		EXPECT_EQ(Module.QuarnMod, nullptr);
		EXPECT_EQ(Module.WorkshopMap, nullptr);
		EXPECT_FALSE(Module.IsTickable());
		ShutdownModule();
	}
}

TEST_F(ModeDecision, NoSteamAndYesIsQuarnModeEvenOnAWorkshopFolder)
{
	StopSteam();
	MakeMapFolder("UGC42");
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.QuarnMod, nullptr);
	EXPECT_TRUE(Module.QuarnMod->bIsUGCFolder);
	EXPECT_EQ(Module.QuarnMod->ModId, FString(TEXT("42")));
	EXPECT_TRUE(LogHas("LevelwrightLog: Loaded UGC ID:42"));
	EXPECT_EQ(Module.WorkshopMap, nullptr);
	EXPECT_FALSE(BoxShown("Error", "Steam is not running or failed to load it"));
}

TEST_F(ModeDecision, SteamAppIdFileLivesAsLongAsTheModule)
{
	const fs::path AppIdFile = Engine.BinariesDir() / "steam_appid.txt";
	StartModule();
	EXPECT_EQ(ReadFile(AppIdFile), "731904");
	ShutdownModule();
	EXPECT_FALSE(fs::exists(AppIdFile));
}

TEST_F(ModeDecision, DefaultsAfterStartup)
{
	FLevelwrightModule& Module = StartModule();
	EXPECT_TRUE(Module.bBuildAndroid);
	EXPECT_FALSE(Module.bBuildWindows);
	EXPECT_FALSE(Module.bBusy.load());
	EXPECT_EQ(Module.SelectedTab, 0);
	EXPECT_TRUE(Module.Resources.IsValid());
	EXPECT_TRUE(LogHas("LevelwrightLog: Initializing Drovik's workshop editor plugin"));
}

TEST_F(ModeDecision, ACommandletAsksNothingAndShowsNoBox)
{
	StopSteam();
	Standin::Engine::FSettings Settings = Standin::Engine::GetSettings();
	Settings.bCommandlet = true;
	Standin::Engine::Initialize(Settings);
	FLevelwrightModule& Module = StartModule();
	EXPECT_TRUE(Boxes().empty());
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: Are you making a Drovik:Quarn mod?"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: Steam is not running or failed to load it"));
	EXPECT_EQ(Module.QuarnMod, nullptr);
}

TEST_F(ModeDecision, ShutdownReleasesBothObjects)
{
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.WorkshopMap, nullptr);
	Module.ShutdownModule();
	EXPECT_EQ(Module.WorkshopMap, nullptr);
	EXPECT_EQ(Module.QuarnMod, nullptr);
	EXPECT_FALSE(Module.Resources.IsValid());
	// The module stays loaded for the fixture; start it again so its own shut-down has state to release.
	Module.StartupModule();
}
