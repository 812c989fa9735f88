// Publishing: the map cooked and packed into the Workshop content folder on a worker, then handed to
// Steam on the game thread. The module stays busy until the Workshop answers (OnWorkshopSubmitFinished).
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "Common/LevelwrightLog.h"
#include "CoreGlobals.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"
#include "Levelwright/BuildPaths.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "UGCInterface/UGCInterface.h"

void FLevelwrightModule::RunSubmitJob(const FSubmitJob& Job)
{
	if (!CookMap(true, Job.MapPackageName))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for deploying!"));
		bBusy.store(false);
		return;
	}

	MakeOutputDirectory(Job.ContentDir);

	// Both packs run, so the log shows every failing platform at once.
	const bool bWindowsPakSucceed = BuildPak(Job.MapFolderName, LevelwrightBuild::WindowsCookPlatform, FPaths::Combine(Job.ContentDir, TEXT("WindowsNoEditor.pak")));
	const bool bLinuxPakSuccedd = BuildPak(Job.MapFolderName, LevelwrightBuild::LinuxServerCookPlatform, FPaths::Combine(Job.ContentDir, TEXT("LinuxServer.pak")));
	ensure(bWindowsPakSucceed);
	ensure(bLinuxPakSuccedd);
	if (!bWindowsPakSucceed || !bLinuxPakSuccedd)
	{
		bBusy.store(false);
		return;
	}

	FFileHelper::SaveStringToFile(LevelwrightBuild::WorkshopMetadataText, *FPaths::Combine(Job.ContentDir, TEXT("metadata.json")));

	// Steam's requests and call results belong to the thread that pumps its callbacks.
	AsyncTask(ENamedThreads::GameThread, [this, Job]() { SubmitContent_GameThread(Job); });
}

void FLevelwrightModule::SubmitContent_GameThread(const FSubmitJob& Job)
{
	check(IsInGameThread());
	FUGCInterface* UGC = WorkshopMap;
	if (!ensure(UGC))
	{
		bBusy.store(false);
		return;
	}
	// Bound before the request exists, so the answer cannot arrive unobserved.
	UGC->OnSubmitFinished.BindRaw(this, &FLevelwrightModule::OnWorkshopSubmitFinished);
	UGC->SubmitContent(Job.ContentDir, Job.ChangeNote);
}
