#include "Levelwright/JobProgress.h"

#include "Misc/ScopeLock.h"

void FJobProgress::SetStep(const FString& Text, TOptional<float> Fraction)
{
	FScopeLock Guard(&Lock);
	StepText = Text;
	Percent = Fraction;
}

void FJobProgress::Finish(bool bInSucceeded, const FString& Text)
{
	FScopeLock Guard(&Lock);
	StepText = Text;
	Percent.Reset();
	bSucceeded = bInSucceeded;
	bFinished = true;
}

FString FJobProgress::GetStepText() const
{
	FScopeLock Guard(&Lock);
	return StepText;
}

TOptional<float> FJobProgress::GetPercent() const
{
	FScopeLock Guard(&Lock);
	return Percent;
}

bool FJobProgress::IsFinished() const
{
	FScopeLock Guard(&Lock);
	return bFinished;
}

bool FJobProgress::HasSucceeded() const
{
	FScopeLock Guard(&Lock);
	return bSucceeded;
}

void FJobProgress::SetProcess(FProcHandle* InProcess)
{
	FScopeLock Guard(&Lock);
	Process = InProcess;
	// A child started after the cancel is ended as soon as it is known.
	if (Process && bCancelRequested)
	{
		FPlatformProcess::TerminateProc(*Process, true);
	}
}

void FJobProgress::RequestCancel()
{
	FScopeLock Guard(&Lock);
	bCancelRequested = true;
	if (Process)
	{
		FPlatformProcess::TerminateProc(*Process, true);
	}
}

bool FJobProgress::IsCancelRequested() const
{
	FScopeLock Guard(&Lock);
	return bCancelRequested;
}

void FJobProgress::BeginUpload()
{
	FScopeLock Guard(&Lock);
	bUploading = true;
}

bool FJobProgress::IsUploading() const
{
	FScopeLock Guard(&Lock);
	return bUploading;
}

void FJobProgress::MarkWorkerDone()
{
	FScopeLock Guard(&Lock);
	bWorkerDone = true;
}

bool FJobProgress::IsWorkerDone() const
{
	FScopeLock Guard(&Lock);
	return bWorkerDone;
}
