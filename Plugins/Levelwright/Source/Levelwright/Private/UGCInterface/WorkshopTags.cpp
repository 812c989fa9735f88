#include "UGCInterface/WorkshopTags.h"

#include "Drovik_Map.h"

namespace
{
// The game's mode values (its enumerators' names are the game's business; the values are fixed).
struct FGameModeTag
{
	uint8 GameMode;
	const ANSICHAR* Tag;
};

// The order players see on the Workshop page; it groups the modes, so it is not the numeric order.
const FGameModeTag GameModeTags[] = {
	{1, "Deathmatch"},
	{2, "Team Deathmatch"},
	{3, "Search and Destroy"},
	{6, "Gun Game"},
	{10, "Zombie Coop"},
	{7, "Capture the Flag"},
	{8, "TTT"},
	{11, "The Hidden"},
	{12, "Push"},
};

const uint8 CustomGameMode = 0;

bool SupportsGameMode(const UDrovik_Map& Definition, uint8 GameMode)
{
	return Definition.HasFlag(static_cast<EDrovikGameModeType>(GameMode));
}
} // namespace

TArray<const ANSICHAR*> GetWorkshopTags(const UDrovik_Map& Definition)
{
	TArray<const ANSICHAR*> Tags;
	for (const FGameModeTag& Entry : GameModeTags)
	{
		if (SupportsGameMode(Definition, Entry.GameMode))
		{
			Tags.Add(Entry.Tag);
		}
	}
	// The custom mode counts only when the author has also said the map has one.
	if (Definition.IsCustomGameMode && SupportsGameMode(Definition, CustomGameMode))
	{
		Tags.Add("Custom");
	}
	return Tags;
}
