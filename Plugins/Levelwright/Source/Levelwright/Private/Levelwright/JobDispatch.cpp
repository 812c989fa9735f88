// The window's three long operations: each checks its guards on the game thread, prepares the build
// and hands the job to a background worker. bBusy admits one job at a time.
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "HAL/PlatformMisc.h"
#include "Levelwright/BuildCommands.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/UGCInterface.h"

void FLevelwrightModule::WriteCookMarker(bool bPCBuild)
{
	// The cook process loads this plugin too; the marker tells its install locator which build runs.
	const FString MarkerPath = FPaths::Combine(FPaths::ProjectSavedDir(), TEXT("WorkshopCook.txt"));
	FFileHelper::SaveStringToFile(LevelwrightBuild::MakeCookMarkerText(bPCBuild), *MarkerPath);
}

void FLevelwrightModule::RequestStage()
{
	if (bBusy.load())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Busy! can't stage at this time"));
		return;
	}
	if (GameInstallPath.IsEmpty())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Drovik installation not found, can't stage"));
		return;
	}
	if (!WorkshopMap)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cannot stage Android only mods, must have a valid UGC/have steam running to stage"));
		return;
	}
	WriteCookMarker(true);
	// Without a map there is nothing to stage; ResolveCookMap has told the author why.
	if (!ResolveCookMap(true))
	{
		return;
	}
	bBusy.store(true);
	AsyncTask(ENamedThreads::AnyBackgroundThreadNormalTask, [this]() { RunStageJob(); });
}

void FLevelwrightModule::RequestSubmit()
{
	if (bBusy.load())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Busy! can't deploy at this time"));
		return;
	}
	if (GameInstallPath.IsEmpty())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Drovik installation not found, can't deploy"));
		return;
	}
	if (!WorkshopMap)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cannot stage Android only mods, must have a valid UGC/have steam running to stage"));
		return;
	}
	WriteCookMarker(true);
	// Publishing a stale or empty map would be worse than not publishing.
	if (!ResolveCookMap(true))
	{
		return;
	}
	// The notes box writes ChangeNote on this thread while the job runs, so the job gets its own copy.
	const FString ChangeNote = WorkshopMap->ChangeNote;
	bBusy.store(true);
	AsyncTask(ENamedThreads::AnyBackgroundThreadNormalTask, [this, ChangeNote]() { RunSubmitJob(ChangeNote); });
}

void FLevelwrightModule::RequestDeploy()
{
	if (!QuarnMod && WorkshopMap)
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("You can't deploy Steam UGC as server maps!"), TEXT("Drovik Build"));
		return;
	}
	// Without a Quarn mod there is no definition either, so that case is refused here as well.
	if (!QuarnMod || !QuarnMod->GetDefinition())
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("You need to create a definition before you can deploy!"), TEXT("Drovik Build"));
		UE_LOG(LevelwrightLog, Error, TEXT("You need to create a definition before you can deploy!"));
		return;
	}
	UE_LOG(LevelwrightLog, Log, TEXT("Deploy Platform Builds"));
	if (bBusy.load())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Busy! can't deploy at this time"));
		return;
	}
	WriteCookMarker(false);
	bBusy.store(true);
	AsyncTask(ENamedThreads::AnyBackgroundThreadNormalTask, [this]() { RunDeployJob(); });
}
