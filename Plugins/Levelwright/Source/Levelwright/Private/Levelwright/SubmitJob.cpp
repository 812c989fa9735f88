// Publishing: the map cooked and packed into the Workshop content folder on a worker, then checked and
// handed to Steam on the game thread. The module stays busy until the submission ends
// (OnWorkshopSubmitFinished), whatever ends it.
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "Common/LevelwrightLog.h"
#include "CoreGlobals.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"
#include "Levelwright/BuildPaths.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopResultTexts.h"

void FLevelwrightModule::RunSubmitJob(const FSubmitJob& Job)
{
	if (!CookMap(true, Job.MapPackageName))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for deploying!"));
		FailSubmissionFromWorker(WorkshopResultTexts::CookFailedReason);
		return;
	}

	// Steam uploads the whole folder: only what this submission writes may be in it.
	EmptyOutputDirectory(Job.ContentDir);
	MakeOutputDirectory(Job.ContentDir);

	// Both packs run, so the log shows every failing platform at once.
	const bool bWindowsPakSucceed = BuildPak(Job.MapFolderName, LevelwrightBuild::WindowsCookPlatform, FPaths::Combine(Job.ContentDir, LevelwrightBuild::WorkshopClientPakName));
	const bool bLinuxPakSuccedd = BuildPak(Job.MapFolderName, LevelwrightBuild::LinuxServerCookPlatform, FPaths::Combine(Job.ContentDir, LevelwrightBuild::WorkshopServerPakName));
	ensure(bWindowsPakSucceed);
	ensure(bLinuxPakSuccedd);
	if (!bWindowsPakSucceed || !bLinuxPakSuccedd)
	{
		FailSubmissionFromWorker(WorkshopResultTexts::PackFailedReason);
		return;
	}

	FFileHelper::SaveStringToFile(LevelwrightBuild::WorkshopMetadataText, *FPaths::Combine(Job.ContentDir, LevelwrightBuild::WorkshopMetadataName));

	// Steam's requests and call results belong to the thread that pumps its callbacks.
	AsyncTask(ENamedThreads::GameThread, [this, Job]() { SubmitContent_GameThread(Job); });
}

void FLevelwrightModule::SubmitContent_GameThread(const FSubmitJob& Job)
{
	check(IsInGameThread());
	FUGCInterface* UGC = WorkshopMap;
	if (!ensure(UGC))
	{
		OnWorkshopSubmitFinished(false, WorkshopResultTexts::NoWorkshopMapReason);
		return;
	}
	const TArray<FString> Problems = FindContentProblems(Job.ContentDir);
	if (Problems.Num() > 0)
	{
		RefuseSubmission(Problems);
		return;
	}
	// Bound before the request exists, so the answer cannot arrive unobserved.
	UGC->OnSubmitFinished.BindRaw(this, &FLevelwrightModule::OnWorkshopSubmitFinished);
	UGC->SubmitContent(Job.ContentDir, Job.ChangeNote);
}
