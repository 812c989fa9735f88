#pragma once

#include "CoreMinimal.h"

// The project's map folders live directly inside Content/CustomMaps.
FString GetCustomMapsDir();

// "/Game/CustomMaps/<Folder>/definition" and its object path.
FString GetDefinitionPackageName(const FString& FolderName);
FString GetDefinitionObjectPath(const FString& FolderName);

class UDrovik_Map;

// Loads the definition of a map folder; null when it is missing or not a definition.
UDrovik_Map* LoadDefinition(const FString& FolderName);
// Creates "definition" in the folder's package with its Id set to the folder name and marked as created
// by the plugin, announces it to the asset registry and marks the package dirty. The package is not
// saved: the author saves it like any new asset. Null (after an ensure) when it cannot be created.
UDrovik_Map* CreateDefinitionAsset(const FString& FolderName);
