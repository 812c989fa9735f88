// The Workshop tags of a map: one per game mode its definition supports, in the Workshop's own order.
#pragma once

#include "CoreMinimal.h"

class UDrovik_Map;

// Tags in table order (not the numeric order of the game modes). The strings are 8-bit constants that
// live for the whole run, so the list can be handed to Steam as it is.
TArray<const ANSICHAR*> GetWorkshopTags(const UDrovik_Map& Definition);
