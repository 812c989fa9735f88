// The end of a Workshop submission, in one place: every way a submission can end comes here.
#include "Levelwright/LevelwrightModule.h"

#include "Async/Async.h"
#include "CoreGlobals.h"
#include "HAL/PlatformMisc.h"
#include "UGCInterface/PublishCheckTexts.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopResultTexts.h"

void FLevelwrightModule::OnWorkshopSubmitFinished(bool bSucceeded, const FString& Reason)
{
	check(IsInGameThread());
	const FString Text = bSucceeded ? FString(TEXT("Successfully submited to the workshop!")) : WorkshopResultTexts::MakeSubmissionFailedText(Reason);
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *Text, WorkshopResultTexts::BoxCaption);
	bBusy.store(false);
	// This unbinds the delegate that called us. FUGCInterface::OnSubmitItemResult executes a copy of
	// OnSubmitFinished, so the binding being run stays alive until this returns.
	if (WorkshopMap)
	{
		WorkshopMap->OnSubmitFinished.Unbind();
	}
}

void FLevelwrightModule::FailSubmissionFromWorker(const FString& Reason)
{
	AsyncTask(ENamedThreads::GameThread, [this, Reason]() { OnWorkshopSubmitFinished(false, Reason); });
}

void FLevelwrightModule::RefuseSubmission(const TArray<FString>& Problems)
{
	LogPublishProblems(Problems);
	OnWorkshopSubmitFinished(false, PublishCheckTexts::MakeChecksFailedText(TEXT("Submit"), Problems));
}
