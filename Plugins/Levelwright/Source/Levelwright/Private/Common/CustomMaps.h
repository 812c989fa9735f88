// The project's map folders and the definition asset in each.
#pragma once

#include "CoreMinimal.h"

class UDrovik_Map;

// The project's map folders live directly inside Content/CustomMaps.
FString GetCustomMapsDir();

// Loads the definition of a map folder; null when it is missing or not a definition. Game thread only,
// as every load of a package.
UDrovik_Map* LoadDefinition(const FString& FolderName);
// Creates "definition" in the folder's package with its Id set to the folder name and marked as created
// by the plugin, announces it to the asset registry and marks the package dirty. The package is not
// saved here (SaveDefinitionPackage does that). Null (after an ensure) when it cannot be created.
UDrovik_Map* CreateDefinitionAsset(const FString& FolderName);

// The absolute path of the file that holds a map folder's definition package.
FString GetDefinitionFilename(const FString& FolderName);
// Saves the definition's package to its file now, through the editor's own saving (as File > Save
// does). Game thread only. False when the editor could not write it.
bool SaveDefinitionPackage(UDrovik_Map& Definition);
