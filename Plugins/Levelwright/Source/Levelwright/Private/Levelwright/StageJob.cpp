// Staging: the map cooked for the PC client and packed straight into the author's own game install,
// so it can be tried in the game before it is published.
#include "Levelwright/LevelwrightModule.h"

#include "Levelwright/BuildCommands.h"
#include "Misc/Paths.h"
#include "UGCInterface/UGCInterface.h"

void FLevelwrightModule::RunStageJob()
{
	if (!CookMap(true))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for staging!"));
		bBusy.store(false);
		return;
	}

	const uint64 WorkshopId = WorkshopMap ? WorkshopMap->ItemId : 0;
	ensure(WorkshopId != 0);

	// One staged pak only: each stage replaces the last. Pak failures are in the log already.
	const FString StagedPakPath = FPaths::Combine(GameInstallPath, TEXT("Drovik"), TEXT("Content"), TEXT("Paks"), TEXT("pakchunk_workshop_stage.pak"));
	BuildPak(LevelwrightBuild::WindowsCookPlatform, StagedPakPath);
	bBusy.store(false);
}
