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
class FJobNotification;
class FJobProgress;
class SDockTab;
class FSpawnTabArgs;
struct FProjectMap;
enum class EJobKind : uint8;
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
	// LinuxServer; bIterative keeps what an earlier cook made of unchanged packages. Safe on a worker: it
	// reads nothing but its arguments and the engine's paths. Progress (may be null) shows the step and
	// can cancel the cook.
	bool CookMap(bool bPCBuild, const FString& MapPackage, bool bIterative = false, FJobProgress* Progress = nullptr);
	FString GetWorkshopContentDir() const;
	FString GetDepotDir() const;
	// Packs the cooked MapFolderName of CookPlatform into PakPath; OutPakSize receives the pak's size
	// (-1 when there is no file). Safe on a worker, like CookMap.
	bool BuildPak(const FString& MapFolderName, const FString& CookPlatform, const FString& PakPath, int64* OutPakSize = nullptr,
				  FJobProgress* Progress = nullptr);
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

	// The running job's progress (shared with its worker); null while no job runs. Game thread.
	const TSharedPtr<FJobProgress, ESPMode::ThreadSafe>& GetRunningJob() const { return RunningJob; }
	// The Cancel of the job's notification: ends the job's child processes with everything they started
	// and waits for its worker, so the module is idle when it returns. Harmless when nothing can be
	// cancelled (no job, a job that ended, content already with Steam).
	void CancelJob();
	// The end of a job, from its worker or the game thread: how it ended (a cancelled job says so
	// whatever Reason is) goes to its progress, and the module is idle.
	void EndJob(FJobProgress& Progress, bool bSucceeded, const FString& Reason);
	// A failed step: ErrorLine at Error (unless the author cancelled, which says enough), then EndJob.
	void FailJob(FJobProgress& Progress, const TCHAR* ErrorLine, const FString& Reason);
	// Game thread, each frame: the notification follows the job; an upload's progress comes from Steam.
	void UpdateJobNotification();
	// Game thread, each frame: a metadata sync in flight shows Steam's progress, then how it ended.
	void UpdateSyncNotification();

	FString GameInstallPath;
	bool bBuildAndroid = false;
	bool bBuildWindows = false;
	// Staging cooks only what changed since the last cook; what goes to players is always cooked in full.
	bool bCookOnlyWhatChanged = false;
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
	// A job the author cancelled ends quietly instead, without a box.
	void FailSubmissionFromWorker(FJobProgress& Progress, const FString& Reason);
	// Ends a submission that checks refused before Steam was asked: logs each problem, then the failure box lists them.
	void RefuseSubmission(const TArray<FString>& Problems);

	// A job's start on the game thread: its progress and its notification.
	TSharedRef<FJobProgress, ESPMode::ThreadSafe> BeginJob(EJobKind Kind);
	// Hands Body to a background worker; the progress learns when the worker is done.
	void DispatchJob(const TSharedRef<FJobProgress, ESPMode::ThreadSafe>& Progress, TFunction<void()> Body);
	void WaitForJobWorker(const FJobProgress& Progress) const;
	// Loads steam_api64.dll from the engine's third-party folder; false (after an Error line) when it
	// cannot be loaded, and then no Steam function may be called.
	bool LoadSteamLibrary();

	// steam_api64.dll, loaded at start-up; null when it could not be. Never freed: Steam is never
	// shut down, and its results may still be pumped after this module has gone.
	void* SteamDllHandle = nullptr;

	TSharedPtr<FJobProgress, ESPMode::ThreadSafe> RunningJob;
	TSharedPtr<FJobNotification> JobNotification;
	// A metadata sync is no job (nothing is built) but goes up to Steam too: its own notification.
	TSharedPtr<FJobNotification> SyncNotification;
};
