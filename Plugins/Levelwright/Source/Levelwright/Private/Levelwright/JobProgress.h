// How far the running job is, shared by the worker that runs it and the game thread that shows it: the
// step in words, the fraction done where one is known, and the author's request to cancel. The worker
// writes, the game thread reads; a lock keeps the two apart. Both threads hold and release pointers to
// it, so every pointer to it is ESPMode::ThreadSafe (the default mode's counts are not atomic).
#pragma once

#include "CoreMinimal.h"
#include "HAL/CriticalSection.h"
#include "HAL/PlatformProcess.h"

enum class EJobKind : uint8
{
	Stage,
	Submit,
	Deploy,
};

class FJobProgress
{
public:
	explicit FJobProgress(EJobKind InKind) : Kind(InKind) {}

	EJobKind GetKind() const { return Kind; }

	// Worker: the step the job has reached, with the fraction done when it is known.
	void SetStep(const FString& Text, TOptional<float> Fraction = TOptional<float>());
	// Worker: the job has ended; Text says how (the reason when it failed).
	void Finish(bool bSucceeded, const FString& Text);

	FString GetStepText() const;
	TOptional<float> GetPercent() const;
	bool IsFinished() const;
	bool HasSucceeded() const;

	// The child process the job waits for, so that a cancel can end it and everything it started.
	void SetProcess(FProcHandle* Process);
	// Game thread: ends the running child's process tree at once; the job stops at its next step.
	void RequestCancel();
	bool IsCancelRequested() const;

	// The content has gone to Steam, which offers no way to stop an upload: no cancel from here on.
	void BeginUpload();
	bool IsUploading() const;

	// The worker has returned: nothing of the job runs off the game thread any more.
	void MarkWorkerDone();
	bool IsWorkerDone() const;

private:
	const EJobKind Kind;
	mutable FCriticalSection Lock;
	FString StepText;
	TOptional<float> Percent;
	bool bFinished = false;
	bool bSucceeded = false;
	bool bCancelRequested = false;
	bool bUploading = false;
	bool bWorkerDone = false;
	FProcHandle* Process = nullptr;
};
