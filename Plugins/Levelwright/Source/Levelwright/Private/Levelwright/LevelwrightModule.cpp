#include "Levelwright/LevelwrightModule.h"

#include "Common/CustomMapNames.h"
#include "Common/LevelwrightLog.h"
#include "CoreGlobals.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformMisc.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/JobNotification.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/LevelwrightStyle.h"
#include "Levelwright/ProgressTexts.h"
#include "Misc/FileHelper.h"
#include "Misc/MessageDialog.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/UGCInterface.h"

THIRD_PARTY_INCLUDES_START
#include "steam/steam_api.h"
THIRD_PARTY_INCLUDES_END

DEFINE_LOG_CATEGORY(LevelwrightLog);

IMPLEMENT_MODULE(FLevelwrightModule, Levelwright)

namespace
{
// The Steam API reads this file when it starts, and so takes this editor for the game Drovik.
const TCHAR* SteamAppIdFile = TEXT("./steam_appid.txt");

// The engine links steam_api64 delay-loaded and stages the DLL in its third-party folder, which is not
// on the editor's DLL search path: the first Steam call would end the editor unless the DLL has been
// loaded from there first, as the engine's own Steam subsystem does.
FString SteamDllFolder()
{
	return FPaths::EngineDir() + TEXT("Binaries/ThirdParty/Steamworks/Steamv139/Win64/");
}

// A commandlet (the cook this plugin starts) has nobody to answer a dialog, and a modal box there
// would hang the cook the editor waits for: it logs what it would have shown instead.
EAppReturnType::Type AskYesNo(const FString& Question)
{
	if (IsRunningCommandlet())
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("%s"), *Question);
		return EAppReturnType::Cancel;
	}
	return FMessageDialog::Open(EAppMsgType::YesNo, EAppReturnType::Cancel, FText::FromString(Question));
}

void ShowStartupError(const FString& Text, const FString& Caption)
{
	if (IsRunningCommandlet())
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("%s"), *Text);
		return;
	}
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *Text, *Caption);
}
} // namespace

FLevelwrightModule& FLevelwrightModule::Get()
{
	return FModuleManager::GetModuleChecked<FLevelwrightModule>(TEXT("Levelwright"));
}

void FLevelwrightModule::StartupModule()
{
	UE_LOG(LevelwrightLog, Log, TEXT("Initializing Drovik's workshop editor plugin"));
	FFileHelper::SaveStringToFile(FString::Printf(TEXT("%u"), CustomMapNames::DrovikAppId), SteamAppIdFile);
	const bool bSteamAvailable = LoadSteamLibrary() && SteamAPI_Init();

	WorkshopMap = nullptr;
	QuarnMod = nullptr;
	bBuildAndroid = true;
	bBuildWindows = false;
	bCookOnlyWhatChanged = false;
	bBusy.store(false);
	SelectedTab = 0;

	LocateGameInstall();
	FLevelwrightStyle::Initialize(Resources);
	// A commandlet has no tabs; the cook this plugin starts loads it too.
	if (!IsRunningCommandlet())
	{
		RegisterWorkshopTab();
	}

	QuarnMod = new FQRNInterface();
	DecideMode(bSteamAvailable);
}

bool FLevelwrightModule::LoadSteamLibrary()
{
	if (SteamDllHandle == nullptr)
	{
		const FString Folder = SteamDllFolder();
		FPlatformProcess::PushDllDirectory(*Folder);
		SteamDllHandle = FPlatformProcess::GetDllHandle(*(Folder + TEXT("steam_api64.dll")));
		FPlatformProcess::PopDllDirectory(*Folder);
	}
	if (SteamDllHandle == nullptr)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Steam libraries not present at %s or failed to load!"), *SteamDllFolder());
	}
	return SteamDllHandle != nullptr;
}

void FLevelwrightModule::DecideMode(bool bSteamAvailable)
{
	if (QuarnMod->HasMod() && !QuarnMod->bIsUGCFolder)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Found Quarn only Mod!"));
		return;
	}
	if (bSteamAvailable)
	{
		WorkshopMap = new FUGCInterface();
		delete QuarnMod;
		QuarnMod = nullptr;
		return;
	}
	if (AskYesNo(TEXT("Are you making a Drovik:Quarn mod?")) == EAppReturnType::Yes)
	{
		return;
	}
	delete QuarnMod;
	QuarnMod = nullptr;
	ShowStartupError(TEXT("Steam is not running or failed to load it"), TEXT("Error"));
}

void FLevelwrightModule::ShutdownModule()
{
	// No cook may outlive the editor, and no worker may reach this module once it is gone.
	if (RunningJob.IsValid())
	{
		if (!RunningJob->IsWorkerDone())
		{
			UE_LOG(LevelwrightLog, Warning, TEXT("%s"), *LevelwrightProgress::MakeJobStoppedAtShutdownLine(RunningJob->GetKind()));
		}
		RunningJob->RequestCancel();
		WaitForJobWorker(*RunningJob);
		JobNotification.Reset();
		RunningJob.Reset();
	}
	SyncNotification.Reset();
	if (!IsRunningCommandlet())
	{
		UnregisterWorkshopTab();
	}
	FLevelwrightStyle::Shutdown(Resources);
	IFileManager::Get().Delete(SteamAppIdFile, false, false, false);
	delete QuarnMod;
	QuarnMod = nullptr;
	// Its call-result holders unregister every Steam call still pending, so no result reaches it.
	delete WorkshopMap;
	WorkshopMap = nullptr;
}

void FLevelwrightModule::Tick(float DeltaTime)
{
	if (WorkshopMap)
	{
		SteamAPI_RunCallbacks();
		UpdateSyncNotification();
	}
	UpdateJobNotification();
}

bool FLevelwrightModule::IsTickable() const
{
	return WorkshopMap != nullptr || RunningJob.IsValid();
}

TStatId FLevelwrightModule::GetStatId() const
{
	RETURN_QUICK_DECLARE_CYCLE_STAT(FLevelwrightModule, STATGROUP_Tickables);
}
