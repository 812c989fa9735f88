// The words a running job shows in its notification and on its page, and the line a cancel logs. They
// take every input as an argument and read no engine state, so each text can be checked on its own.
#pragma once

#include "CoreMinimal.h"
#include "Levelwright/JobProgress.h"

namespace LevelwrightProgress
{
// "Staging the map", "Building the Workshop content", "Building the Quarn mod": before the first step.
FString MakeJobStartText(EJobKind Kind);
// "Cooking Arena for WindowsNoEditor": the map's name (the last part of its package name).
FString MakeCookStepText(const FString& MapPackageName, const FString& CookPlatform);
// "Packing LinuxServer.pak": the pak's file name.
FString MakePackStepText(const FString& PakPath);
// "Uploading to the Workshop: 12.3 of 45.6 MB (27%)" while the content goes up; the other stages of an
// item update in words ("Preparing the upload", "Uploading the preview image", "Committing").
// Status is Steam's EItemUpdateStatus (1 to 5); anything else is "Waiting for Steam".
FString MakeUploadStepText(int32 Status, uint64 BytesProcessed, uint64 BytesTotal);
// How a job ended: "Staged", "Submitted to the Workshop", "Built the Quarn mod"; on failure the job's name
// and the reason ("Staging failed: the cook failed").
FString MakeJobSucceededText(EJobKind Kind);
FString MakeJobFailedText(EJobKind Kind, const FString& Reason);
// "Staging cancelled": the notification of a job the author stopped.
FString MakeJobCancelledText(EJobKind Kind);
// The one line a cancel logs: "Staging cancelled by the author".
FString MakeJobCancelledLine(EJobKind Kind);
// How a metadata sync ended: "Synced the title, tags and preview", or that it failed.
FString MakeSyncEndedText(bool bSucceeded);
// The line of a job the editor's shut-down stops: "Staging stopped: the editor is shutting down".
FString MakeJobStoppedAtShutdownLine(EJobKind Kind);
} // namespace LevelwrightProgress
