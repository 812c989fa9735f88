// The values the build jobs own. A request fills one on the game thread, from the module's state, the
// window's choices and the definition, before it hands the job to a worker: the worker never reads a
// UObject (the engine loads and changes them on the game thread only) nor a field the window writes
// (its check boxes and text boxes stay live while a job runs).
#pragma once

#include "CoreMinimal.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/JobProgress.h"

struct FStageJob
{
	TSharedPtr<FJobProgress, ESPMode::ThreadSafe> Progress;
	FString MapPackageName;
	FString MapFolderName;
	uint64 ItemId = 0;
	FString StagedPakPath;
	bool bIterativeCook = false;
};

struct FSubmitJob
{
	TSharedPtr<FJobProgress, ESPMode::ThreadSafe> Progress;
	FString MapPackageName;
	FString MapFolderName;
	FString ContentDir;
	// As typed when Submit was pressed; the window goes on writing the module's copy.
	FString ChangeNote;
};

// One client build of a Quarn mod: the map it cooks and the two paks it makes with their sizes.
struct FDeployBuild
{
	bool bPCBuild = true;
	FString MapPackageName;
};

struct FDeployJob
{
	TSharedPtr<FJobProgress, ESPMode::ThreadSafe> Progress;
	FString MapFolderName;
	FString OutputDir;
	// The selected builds, the PC build first.
	TArray<FDeployBuild> Builds;
	// The definition's fields; the pak sizes are filled in by the job.
	LevelwrightBuild::FDeployMetadata Metadata;
};
