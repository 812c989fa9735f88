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
// saved: the author saves it like any new asset. Null (after an ensure) when it cannot be created.
UDrovik_Map* CreateDefinitionAsset(const FString& FolderName);
