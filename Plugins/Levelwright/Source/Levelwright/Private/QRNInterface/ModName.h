#pragma once

#include "CoreMinimal.h"

// A typed map name made a mod name: characters a file name cannot hold removed, blanks and dots
// turned into underscores ("Old Harbour 2.0" gives "Old_Harbour_2_0").
FString MakeModName(const FString& TypedName);

// Mod names are 3 to 32 characters long.
bool IsModNameLengthValid(const FString& ModName);
