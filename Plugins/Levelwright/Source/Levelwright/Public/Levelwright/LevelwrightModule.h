// The Levelwright editor module: the hub of the plugin. It prepares the Steam connection, finds the
// game's installation, decides at start-up whether the project is a Steam Workshop map or a
// Drovik:Quarn mod, registers the "Drovik Workshop" tab, and holds the state every part reads.
#pragma once

#include <atomic>

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "TickableEditorObject.h"

class FUGCInterface;
class FQRNInterface;
class ISlateStyle;
class SDockTab;
class FSpawnTabArgs;

DECLARE_LOG_CATEGORY_EXTERN(LevelwrightLog, Log, All);

class FLevelwrightModule : public IModuleInterface, public FTickableEditorObject
{
public:
	static FLevelwrightModule& Get();

	// IModuleInterface
	virtual void StartupModule() override;
	virtual void ShutdownModule() override;

	// FTickableEditorObject: pumps Steam's callbacks while the project is a Workshop map.
	virtual void Tick(float DeltaTime) override;
	virtual bool IsTickable() const override;
	virtual TStatId GetStatId() const override;

	// Finds the game's installation folder once, at start-up (fills GameInstallPath).
	void LocateGameInstall();

	// Sets MapPackageName to the definition's map (bMainMap) or quest map. False, after a "Cook Error"
	// box, when there is no definition or no map linked; MapPackageName is then left as it was.
	bool ResolveCookMap(bool bMainMap);

	// Runs the cook commandlet for WindowsNoEditor (bPCBuild) or Android_ASTC, each with LinuxServer.
	bool CookMap(bool bPCBuild);
	FString GetWorkshopContentDir() const;
	FString GetDepotDir() const;
	// Packs the cooked map folder of CookPlatform into PakPath; OutPakSize receives the pak's size
	// (-1 when there is no file).
	bool BuildPak(const FString& CookPlatform, const FString& PakPath, int64* OutPakSize = nullptr);
	// Tells the cook process which client build comes next ("Build:0" PC, "Build:1" Android).
	void WriteCookMarker(bool bPCBuild);

	// The three long operations of the window, started on the game thread; one job at a time.
	void RequestStage();
	void RequestSubmit();
	void RequestDeploy();

	// Job bodies, run on a background worker.
	void RunStageJob();
	void RunSubmitJob(const FString& ChangeNote);
	void RunDeployJob();

	// Bound to the Workshop map's OnSubmitFinished by the submit job.
	void OnWorkshopSubmitFinished(bool bSucceeded);

	FString GameInstallPath;
	bool bBuildAndroid = false;
	bool bBuildWindows = false;
	int32 SelectedTab = 0;
	FUGCInterface* WorkshopMap = nullptr;
	FQRNInterface* QuarnMod = nullptr;
	std::atomic<bool> bBusy{false};
	TSharedPtr<ISlateStyle> Resources;
	FString MapPackageName;

private:
	TSharedRef<SDockTab> SpawnWorkshopTab(const FSpawnTabArgs& Args);
	void RegisterWorkshopTab();
	void UnregisterWorkshopTab();
	void DecideMode(bool bSteamAvailable);
	bool LoadSteamLibrary();

	// steam_api64.dll, loaded at start-up; null when it could not be. Never freed: Steam is never
	// shut down, and its results may still be pumped after this module has gone.
	void* SteamDllHandle = nullptr;
};
