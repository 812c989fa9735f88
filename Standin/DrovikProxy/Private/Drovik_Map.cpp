#include "Drovik_Map.h"

bool UDrovik_Map::HasFlag(EDrovikGameModeType GameMode) const
{
	return GameModes.Contains(GameMode);
}
