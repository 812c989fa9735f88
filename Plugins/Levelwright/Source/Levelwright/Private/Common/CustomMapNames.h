// The names and paths of custom maps, each spelled here only: the map folders below CustomMaps, the
// definition asset in each, where the game mounts a map's pak, the cook marker and Drovik's Steam app.
// They take every input as an argument and read no engine state, so each can be checked on its own.
#pragma once

#include "CoreMinimal.h"

namespace CustomMapNames
{
// Drovik's Steam application: the game this editor claims to be, and the consumer of every Workshop
// item the plugin creates or updates.
constexpr uint32 DrovikAppId = 731904;

// The game's project folder, in the game's install and in cooked paths.
extern const TCHAR* const GameProjectFolder;
// The folder of every map, directly inside a project's Content folder.
extern const TCHAR* const CustomMapsFolder;
// Map folders are "UGC<item id>" (a Workshop map) or "QRN_<name>" (a Quarn mod).
extern const TCHAR* const WorkshopFolderPrefix;
extern const TCHAR* const ModFolderPrefix;
// In the project's Saved folder: which client build the cook that runs next is for.
extern const TCHAR* const CookMarkerFileName;
// The files of the Workshop content folder, which holds nothing else: the two paks and metadata.json.
extern const TCHAR* const WorkshopClientPakName;
extern const TCHAR* const WorkshopServerPakName;
extern const TCHAR* const WorkshopMetadataName;
// Every map folder's definition asset, and so its package's short name.
extern const TCHAR* const DefinitionAssetName;

FString MakeWorkshopFolderName(uint64 ItemId);
// The folder a Quarn mod object found ("UGC<ModId>") or created ("QRN_<ModId>").
FString MakeModFolderName(const FString& ModId, bool bIsUGCFolder);

// "/Game/CustomMaps/<Folder>/definition" and its object path ("...definition.definition").
FString MakeDefinitionPackageName(const FString& FolderName);
FString MakeDefinitionObjectPath(const FString& FolderName);
// The definition package's file below a Content folder: "<ContentDir>/CustomMaps/<Folder>/definition.uasset".
FString MakeDefinitionFilename(const FString& ContentDir, const FString& FolderName);

// Where the game sees the map folder at run time, relative to its binaries.
FString MakeMountPoint(const FString& MapFolderName);
// The cooked copy of the map folder for one platform, below the project's (absolute) Saved folder.
FString MakeCookedMapDir(const FString& SavedDir, const FString& CookPlatform, const FString& MapFolderName);
} // namespace CustomMapNames
