// Staging: the map cooked for the PC client and packed straight into the author's own game install,
// so it can be tried in the game before it is published.
#include "Levelwright/LevelwrightModule.h"

#include "Common/LevelwrightLog.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"

void FLevelwrightModule::RunStageJob(const FStageJob& Job)
{
	if (!CookMap(true, Job.MapPackageName, Job.bIterativeCook))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for staging!"));
		bBusy.store(false);
		return;
	}

	const uint64 WorkshopId = Job.ItemId;
	ensure(WorkshopId != 0);

	// One staged pak only: each stage replaces the last. Pak failures are in the log already.
	BuildPak(Job.MapFolderName, LevelwrightBuild::WindowsCookPlatform, Job.StagedPakPath);
	bBusy.store(false);
}
