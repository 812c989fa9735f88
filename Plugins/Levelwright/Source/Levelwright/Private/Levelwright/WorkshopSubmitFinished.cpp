// The end of a Workshop submission, in one place: every way a submission can end comes here.
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "CoreGlobals.h"
#include "HAL/PlatformMisc.h"
#include "Levelwright/JobProgress.h"
#include "Modules/ModuleManager.h"
#include "UGCInterface/PublishCheckTexts.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopResultTexts.h"

void FLevelwrightModule::OnWorkshopSubmitFinished(bool bSucceeded, const FString& Reason)
{
	check(IsInGameThread());
	const FString Text = bSucceeded ? FString(TEXT("Successfully submited to the workshop!")) : WorkshopResultTexts::MakeSubmissionFailedText(Reason);
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *Text, WorkshopResultTexts::BoxCaption);
	if (RunningJob.IsValid() && RunningJob->GetKind() == EJobKind::Submit && !RunningJob->IsFinished())
	{
		EndJob(*RunningJob, bSucceeded, Reason);
	}
	bBusy.store(false);
	// This unbinds the delegate that called us. FUGCInterface::OnSubmitItemResult executes a copy of
	// OnSubmitFinished, so the binding being run stays alive until this returns.
	if (WorkshopMap)
	{
		WorkshopMap->OnSubmitFinished.Unbind();
	}
}

void FLevelwrightModule::FailSubmissionFromWorker(FJobProgress& Progress, const FString& Reason)
{
	if (Progress.IsCancelRequested())
	{
		EndJob(Progress, false, Reason);
		return;
	}
	// The module is looked up on the game thread afresh: the editor may have shut it down meanwhile.
	AsyncTask(ENamedThreads::GameThread, [Reason]() {
		if (FLevelwrightModule* Module = FModuleManager::GetModulePtr<FLevelwrightModule>(TEXT("Levelwright")))
		{
			Module->OnWorkshopSubmitFinished(false, Reason);
		}
	});
}

void FLevelwrightModule::RefuseSubmission(const TArray<FString>& Problems)
{
	LogPublishProblems(Problems);
	OnWorkshopSubmitFinished(false, PublishCheckTexts::MakeChecksFailedText(TEXT("Submit"), Problems));
}
