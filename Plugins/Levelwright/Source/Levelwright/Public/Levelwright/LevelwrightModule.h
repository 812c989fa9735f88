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
struct FProjectMap;
struct FStageJob;
struct FSubmitJob;
struct FDeployJob;

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

	// What the project builds: the Workshop map's folder and definition, else the Quarn mod's.
	FProjectMap GetProjectMap() const;

	// Sets MapPackageName to the definition's map (bMainMap) or quest map. False, after a "Cook Error"
	// box, when there is no definition or no map linked; MapPackageName is then left as it was.
	bool ResolveCookMap(bool bMainMap);

	// Runs the cook commandlet on MapPackage for WindowsNoEditor (bPCBuild) or Android_ASTC, each with
	// LinuxServer. Safe on a worker: it reads nothing but its arguments and the engine's paths.
	bool CookMap(bool bPCBuild, const FString& MapPackage);
	FString GetWorkshopContentDir() const;
	FString GetDepotDir() const;
	// Packs the cooked MapFolderName of CookPlatform into PakPath; OutPakSize receives the pak's size
	// (-1 when there is no file). Safe on a worker, like CookMap.
	bool BuildPak(const FString& MapFolderName, const FString& CookPlatform, const FString& PakPath, int64* OutPakSize = nullptr);
	// Tells the cook process which client build comes next ("Build:0" PC, "Build:1" Android).
	void WriteCookMarker(bool bPCBuild);

	// The three long operations of the window, started on the game thread; one job at a time. Each
	// hands its job a copy of everything the job reads.
	void RequestStage();
	void RequestSubmit();
	void RequestDeploy();

	// Job bodies, run on a background worker.
	void RunStageJob(const FStageJob& Job);
	void RunSubmitJob(const FSubmitJob& Job);
	void RunDeployJob(const FDeployJob& Job);

	// The one end of every Workshop submission, whatever ended it (a check, the cook, a pack, Steam's
	// answer): shows the "Drovik Workshop" box of success or of failure with Reason, clears bBusy and
	// unbinds the Workshop map's OnSubmitFinished. Game thread only. The submit job binds it there.
	void OnWorkshopSubmitFinished(bool bSucceeded, const FString& Reason);

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
	// The stage and submit requests' common guards, then the cook marker and the PC map. False (after an
	// Error line or a box) when the job cannot start.
	bool PrepareWorkshopBuild(const TCHAR* BusyMessage, const TCHAR* NoInstallMessage);
	// Back on the game thread after the submit job's cook and packs: checks the content folder, then
	// hands the content to Steam.
	void SubmitContent_GameThread(const FSubmitJob& Job);
	// Ends a submission from the submit job's worker: OnWorkshopSubmitFinished runs on the game thread.
	void FailSubmissionFromWorker(const FString& Reason);
	// Ends a submission that checks refused before Steam was asked: logs each problem, then the failure box lists them.
	void RefuseSubmission(const TArray<FString>& Problems);
	// Loads steam_api64.dll from the engine's third-party folder; false (after an Error line) when it
	// cannot be loaded, and then no Steam function may be called.
	bool LoadSteamLibrary();

	// steam_api64.dll, loaded at start-up; null when it could not be. Never freed: Steam is never
	// shut down, and its results may still be pumped after this module has gone.
	void* SteamDllHandle = nullptr;
};
