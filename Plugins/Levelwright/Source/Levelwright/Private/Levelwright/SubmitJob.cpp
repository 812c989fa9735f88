// Publishing: the map cooked and packed into the Workshop content folder on a worker, then checked and
// handed to Steam on the game thread. The module stays busy until the submission ends
// (OnWorkshopSubmitFinished), whatever ends it.
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "Common/CustomMapNames.h"
#include "Common/LevelwrightLog.h"
#include "CoreGlobals.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/JobNotification.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/ProgressTexts.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopResultTexts.h"

void FLevelwrightModule::RunSubmitJob(const FSubmitJob& Job)
{
	FJobProgress& Progress = *Job.Progress;
	if (!CookMap(true, Job.MapPackageName, false, &Progress))
	{
		if (!Progress.IsCancelRequested())
		{
			UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for deploying!"));
		}
		FailSubmissionFromWorker(Progress, WorkshopResultTexts::CookFailedReason);
		return;
	}

	// Steam uploads the whole folder: only what this submission writes may be in it.
	EmptyOutputDirectory(Job.ContentDir);
	MakeOutputDirectory(Job.ContentDir);

	// Both packs run, so the log shows every failing platform at once.
	const bool bWindowsPakSucceed = BuildPak(Job.MapFolderName, LevelwrightBuild::WindowsCookPlatform, FPaths::Combine(Job.ContentDir, CustomMapNames::WorkshopClientPakName), nullptr, &Progress);
	const bool bLinuxPakSuccedd = BuildPak(Job.MapFolderName, LevelwrightBuild::LinuxServerCookPlatform, FPaths::Combine(Job.ContentDir, CustomMapNames::WorkshopServerPakName), nullptr, &Progress);
	if (Progress.IsCancelRequested())
	{
		EndJob(Progress, false, FString());
		return;
	}
	ensure(bWindowsPakSucceed);
	ensure(bLinuxPakSuccedd);
	if (!bWindowsPakSucceed || !bLinuxPakSuccedd)
	{
		FailSubmissionFromWorker(Progress, WorkshopResultTexts::PackFailedReason);
		return;
	}

	FFileHelper::SaveStringToFile(LevelwrightBuild::WorkshopMetadataText, *FPaths::Combine(Job.ContentDir, CustomMapNames::WorkshopMetadataName));

	// Steam's requests and call results belong to the thread that pumps its callbacks. The module is
	// looked up there afresh: the editor may have shut it down meanwhile.
	AsyncTask(ENamedThreads::GameThread, [Job]() {
		if (FLevelwrightModule* Module = FModuleManager::GetModulePtr<FLevelwrightModule>(TEXT("Levelwright")))
		{
			Module->SubmitContent_GameThread(Job);
		}
	});
}

void FLevelwrightModule::SubmitContent_GameThread(const FSubmitJob& Job)
{
	check(IsInGameThread());
	// Cancelled after the packs, or no longer the running job: it has been ended already.
	if (Job.Progress->IsCancelRequested() || Job.Progress != RunningJob)
	{
		return;
	}
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
	// Steam offers no way to stop an upload: from here on the notification has no Cancel.
	Job.Progress->BeginUpload();
	if (JobNotification.IsValid())
	{
		JobNotification->Finish(true, TEXT("Workshop content built"));
	}
	JobNotification = MakeShared<FJobNotification>(LevelwrightProgress::MakeUploadStepText(0, 0, 0), FSimpleDelegate());

	// Bound before the request exists, so the answer cannot arrive unobserved.
	UGC->OnSubmitFinished.BindRaw(this, &FLevelwrightModule::OnWorkshopSubmitFinished);
	UGC->SubmitContent(Job.ContentDir, Job.ChangeNote);
}
