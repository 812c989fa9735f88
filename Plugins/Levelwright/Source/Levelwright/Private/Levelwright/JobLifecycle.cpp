// A job's life around its body: its start on the game thread with a notification, its hand-off to a
// worker, its end (from either thread), the author's cancel, and the notification following it.
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "Common/LevelwrightLog.h"
#include "CoreGlobals.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/JobNotification.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/ProgressTexts.h"
#include "Modules/ModuleManager.h"
#include "UGCInterface/UGCInterface.h"

TSharedRef<FJobProgress, ESPMode::ThreadSafe> FLevelwrightModule::BeginJob(EJobKind Kind)
{
	check(IsInGameThread());
	const TSharedRef<FJobProgress, ESPMode::ThreadSafe> Progress = MakeShared<FJobProgress, ESPMode::ThreadSafe>(Kind);
	const FString StartText = LevelwrightProgress::MakeJobStartText(Kind);
	Progress->SetStep(StartText);
	RunningJob = Progress;
	JobNotification = MakeShared<FJobNotification>(StartText, FSimpleDelegate::CreateRaw(this, &FLevelwrightModule::CancelJob));
	return Progress;
}

void FLevelwrightModule::DispatchJob(const TSharedRef<FJobProgress, ESPMode::ThreadSafe>& Progress, TFunction<void()> Body)
{
	bBusy.store(true);
	AsyncTask(ENamedThreads::AnyBackgroundThreadNormalTask, [Progress, Body]() {
		Body();
		Progress->MarkWorkerDone();
	});
}

void FLevelwrightModule::EndJob(FJobProgress& Progress, bool bSucceeded, const FString& Reason)
{
	const EJobKind Kind = Progress.GetKind();
	if (Progress.IsCancelRequested())
	{
		Progress.Finish(false, LevelwrightProgress::MakeJobCancelledText(Kind));
	}
	else
	{
		Progress.Finish(bSucceeded, bSucceeded ? LevelwrightProgress::MakeJobSucceededText(Kind) : LevelwrightProgress::MakeJobFailedText(Kind, Reason));
	}
	bBusy.store(false);
	// The notification shows the end at once, not a frame later.
	if (IsInGameThread())
	{
		UpdateJobNotification();
		return;
	}
	AsyncTask(ENamedThreads::GameThread, []() {
		if (FLevelwrightModule* Module = FModuleManager::GetModulePtr<FLevelwrightModule>(TEXT("Levelwright")))
		{
			Module->UpdateJobNotification();
		}
	});
}

void FLevelwrightModule::FailJob(FJobProgress& Progress, const TCHAR* ErrorLine, const FString& Reason)
{
	if (!Progress.IsCancelRequested())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("%s"), ErrorLine);
	}
	EndJob(Progress, false, Reason);
}

void FLevelwrightModule::UpdateJobNotification()
{
	if (!RunningJob.IsValid())
	{
		return;
	}
	if (RunningJob->IsUploading() && WorkshopMap && !RunningJob->IsFinished())
	{
		uint64 Bytes = 0;
		uint64 Total = 0;
		const int32 Status = WorkshopMap->GetUploadProgress(Bytes, Total);
		const bool bCounting = Status == k_EItemUpdateStatusUploadingContent && Total > 0;
		RunningJob->SetStep(LevelwrightProgress::MakeUploadStepText(Status, Bytes, Total),
							bCounting ? TOptional<float>(static_cast<float>(static_cast<double>(Bytes) / static_cast<double>(Total))) : TOptional<float>());
	}
	if (!RunningJob->IsFinished())
	{
		if (JobNotification.IsValid())
		{
			JobNotification->SetText(RunningJob->GetStepText());
		}
		return;
	}
	if (JobNotification.IsValid())
	{
		JobNotification->Finish(RunningJob->HasSucceeded(), RunningJob->GetStepText());
	}
	JobNotification.Reset();
	RunningJob.Reset();
}

void FLevelwrightModule::UpdateSyncNotification()
{
	if (!WorkshopMap)
	{
		return;
	}
	if (WorkshopMap->SyncCallResult.IsActive())
	{
		uint64 Bytes = 0;
		uint64 Total = 0;
		const FString Step = LevelwrightProgress::MakeUploadStepText(WorkshopMap->GetUploadProgress(Bytes, Total), Bytes, Total);
		if (!SyncNotification.IsValid())
		{
			SyncNotification = MakeShared<FJobNotification>(Step, FSimpleDelegate());
		}
		SyncNotification->SetText(Step);
	}
	else if (SyncNotification.IsValid())
	{
		SyncNotification->Finish(WorkshopMap->bLastSyncSucceeded, LevelwrightProgress::MakeSyncEndedText(WorkshopMap->bLastSyncSucceeded));
		SyncNotification.Reset();
	}
}

void FLevelwrightModule::WaitForJobWorker(const FJobProgress& Progress) const
{
	// The cancel has ended the child: the worker sees it within a poll and returns.
	while (!Progress.IsWorkerDone())
	{
		FPlatformProcess::Sleep(0.001f);
	}
}

void FLevelwrightModule::CancelJob()
{
	check(IsInGameThread());
	if (!RunningJob.IsValid() || RunningJob->IsFinished() || RunningJob->IsUploading() || RunningJob->IsCancelRequested())
	{
		return;
	}
	UE_LOG(LevelwrightLog, Warning, TEXT("%s"), *LevelwrightProgress::MakeJobCancelledLine(RunningJob->GetKind()));
	RunningJob->RequestCancel();
	WaitForJobWorker(*RunningJob);
	// A worker that had already handed its work to the game thread ends nothing itself.
	if (!RunningJob->IsFinished())
	{
		EndJob(*RunningJob, false, FString());
	}
	UpdateJobNotification();
}
