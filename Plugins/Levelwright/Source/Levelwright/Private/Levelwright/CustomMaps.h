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
// Creates "definition" in the folder's package, marks it created by the plugin with the given Id,
// announces it to the asset registry and marks the package dirty. Null (after an ensure) on failure.
UDrovik_Map* CreateDefinitionAsset(const FString& FolderName);
