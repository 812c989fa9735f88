// The values the build jobs own. A request fills one on the game thread, from the module's state, the
// window's choices and the definition, before it hands the job to a worker: the worker never reads a
// UObject (the engine loads and changes them on the game thread only) nor a field the window writes
// (its check boxes and text boxes stay live while a job runs).
#pragma once

#include "CoreMinimal.h"
#include "Levelwright/BuildCommands.h"

class UDrovik_Map;

// The map the project builds: the Workshop map when the module holds one, else the Quarn mod.
struct FProjectMap
{
	// "UGC<item id>", "QRN_<name>" or "UGC<name>" for a Quarn mod found in a UGC folder; empty when the
	// project has neither a Workshop map nor a Quarn mod with a folder.
	FString FolderName;
	bool bIsWorkshopMap = false;
	// The Workshop item id; 0 for a Quarn mod or a map without item.
	uint64 ItemId = 0;

	bool HasFolder() const { return !FolderName.IsEmpty(); }
	// The folder's definition, loaded on the game thread; null when it is missing.
	UDrovik_Map* LoadDefinition() const;
};

struct FStageJob
{
	FString MapPackageName;
	FString MapFolderName;
	uint64 ItemId = 0;
	FString StagedPakPath;
};

struct FSubmitJob
{
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
	FString MapFolderName;
	FString OutputDir;
	// The selected builds, the PC build first.
	TArray<FDeployBuild> Builds;
	// The definition's fields; the pak sizes are filled in by the job.
	LevelwrightBuild::FDeployMetadata Metadata;
};
