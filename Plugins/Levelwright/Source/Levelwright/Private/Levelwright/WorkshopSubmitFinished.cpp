#include "Levelwright/LevelwrightModule.h"

#include "HAL/PlatformMisc.h"
#include "Levelwright/JobProgress.h"
#include "UGCInterface/UGCInterface.h"

void FLevelwrightModule::OnWorkshopSubmitFinished(bool bSucceeded)
{
	if (bSucceeded)
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("Successfully submited to the workshop!"), TEXT("Drovik Workshop"));
	}
	if (RunningJob.IsValid() && RunningJob->GetKind() == EJobKind::Submit && !RunningJob->IsFinished())
	{
		EndJob(*RunningJob, bSucceeded, TEXT("the Workshop did not take the upload (see the output log)"));
	}
	bBusy.store(false);
	// This unbinds the delegate that called us. FUGCInterface::OnSubmitItemResult executes a copy of
	// OnSubmitFinished, so the binding being run stays alive until this returns.
	if (WorkshopMap)
	{
		WorkshopMap->OnSubmitFinished.Unbind();
	}
}
