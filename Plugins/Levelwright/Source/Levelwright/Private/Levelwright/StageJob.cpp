// Staging: the map cooked for the PC client and packed straight into the author's own game install,
// so it can be tried in the game before it is published.
#include "Levelwright/LevelwrightModule.h"

#include "Common/LevelwrightLog.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"
#include "Levelwright/JobProgress.h"

void FLevelwrightModule::RunStageJob(const FStageJob& Job)
{
	FJobProgress& Progress = *Job.Progress;
	if (!CookMap(true, Job.MapPackageName, Job.bIterativeCook, &Progress))
	{
		FailJob(Progress, TEXT("Cooked content is needed for staging!"), TEXT("the cook failed (see the output log)"));
		return;
	}

	const uint64 WorkshopId = Job.ItemId;
	ensure(WorkshopId != 0);

	// One staged pak only: each stage replaces the last. Pak failures are in the log already.
	const bool bPacked = BuildPak(Job.MapFolderName, LevelwrightBuild::WindowsCookPlatform, Job.StagedPakPath, nullptr, &Progress);
	EndJob(Progress, bPacked, TEXT("packing the staged pak failed (see the output log)"));
}
