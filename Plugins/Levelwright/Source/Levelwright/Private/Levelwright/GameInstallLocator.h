// Finding the game's installation: through Steam when it runs, otherwise through the Steam client's
// registry entry and its library list.
#pragma once

#include "CoreMinimal.h"

// Reads one REG_SZ value below HKEY_LOCAL_MACHINE. OutValue is written only on success.
bool ReadRegistryString(const FString& SubKey, const FString& ValueName, FString& OutValue);

// The library folders named in a libraryfolders.vdf text, in file order, each drive path's doubled
// backslashes turned into '/' ("D:\\Games\\SteamLibrary" gives "D:/Games").
TArray<FString> FindLibraryFolders(const FString& LibraryFileText);

// The client build named by the cook marker's text ("Build:1" gives 1); 0 for anything shorter.
int32 ReadCookMarkerBuild(const FString& MarkerText);
