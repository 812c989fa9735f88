// Start-up: the mode table, steam_appid.txt, loading Steam's DLL, and what a commandlet does instead
// of asking.
#include <cstring>
#include <filesystem>

#include "PluginTestFixture.h"
#include "QRNInterface/QRNInterface.h"
#include "Standin/Dialogs.h"
#include "Standin/Engine.h"
#include "Standin/Log.h"
#include "Standin/Tickables.h"
#include "SteamStandin.h"
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
	// What the engine folder holds in place of Steam's DLL: nothing, or a file that is no library.
	void BreakSteamDll(bool bRemove)
	{
		fs::remove(Engine.SteamDll());
		if (!bRemove)
		{
			WriteFile(Engine.SteamDll(), "MZ not a library");
		}
	}
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

// Any Steam call without the DLL would end this process: the start-up must make none.
TEST_F(ModeDecision, WithoutTheSteamDllStartsWithoutSteamAndAsks)
{
	for (const bool bRemove : {true, false})
	{
		SCOPED_TRACE(bRemove ? "no DLL" : "a DLL that is no library");
		BreakSteamDll(bRemove);
		MakeMapFolder("UGC2000000001");
		Standin::Dialogs::ClearShown();
		Standin::Log::ClearLines();
		FLevelwrightModule& Module = StartModule();
		EXPECT_TRUE(LogHas("LogWindows: Failed to load '../../../Engine/Binaries/ThirdParty/Steamworks/Steamv139/Win64/steam_api64.dll' (GetLastError=" +
						   std::string(bRemove ? "126" : "193") + ")"));
		EXPECT_TRUE(LogHas("LevelwrightLog: Error: Steam libraries not present at ../../../Engine/Binaries/ThirdParty/Steamworks/Steamv139/Win64/ or failed to load!"));
		EXPECT_TRUE(LogHas("Question: Are you making a Drovik:Quarn mod? -> Cancel"));
		EXPECT_TRUE(BoxShown("Error", "Steam is not running or failed to load it"));
		EXPECT_EQ(Module.WorkshopMap, nullptr);
		EXPECT_FALSE(Module.IsTickable());
		// The game is found the other way, through the registry.
		EXPECT_EQ(Module.GameInstallPath, FString(TEXT("D:/SteamLibrary/steamapps/common/DrovikVR")));
		Tick(3);
		ShutdownModule();
	}
}

TEST_F(ModeDecision, WithoutTheSteamDllYesIsQuarnMode)
{
	BreakSteamDll(true);
	MakeMapFolder("UGC42");
	Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.QuarnMod, nullptr);
	EXPECT_EQ(Module.QuarnMod->ModId, FString(TEXT("42")));
	EXPECT_EQ(Module.WorkshopMap, nullptr);
	EXPECT_FALSE(BoxShown("Error", "Steam is not running or failed to load it"));
}

TEST_F(ModeDecision, WithoutTheSteamDllACommandletLogsInstead)
{
	BreakSteamDll(true);
	Standin::Engine::FSettings Settings = Standin::Engine::GetSettings();
	Settings.bCommandlet = true;
	Standin::Engine::Initialize(Settings);
	StartModule();
	EXPECT_TRUE(Boxes().empty());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Steam libraries not present at"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: Steam is not running or failed to load it"));
}

TEST_F(ModeDecision, WithTheSteamDllTheStartupReachesSteam)
{
	const uint64 GameThread = SteamStandin_ThisThreadId();
	FLevelwrightModule& Module = StartModule();
	ASSERT_NE(Module.WorkshopMap, nullptr);
	EXPECT_FALSE(LogHas("LogWindows: Failed to load"));
	EXPECT_FALSE(LogHas("Steam libraries not present"));
	bool bInitOnTheGameThread = false;
	for (const SteamStandin_ApiCall_t& Call : SteamStandin_ApiCalls())
	{
		bInitOnTheGameThread |= std::strcmp(Call.m_szFunction, "SteamAPI_Init") == 0 && Call.m_ulThreadId == GameThread;
	}
	EXPECT_TRUE(bInitOnTheGameThread);
	EXPECT_EQ(Module.GameInstallPath, FString(TEXT("D:\\SteamLibrary\\steamapps\\common\\DrovikVR")));
}
