#include "UGCInterface/WorkshopTags.h"

#include "Drovik_Map.h"

namespace
{
struct FGameModeTag
{
	int32 GameMode;
	const ANSICHAR* Tag;
};

// The order players see on the Workshop page; it groups the modes, so it is not the enumeration's order.
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

// Mode 0 means a custom mode only when the author has also said the map has one.
const int32 CustomGameMode = 0;

bool Supports(const UDrovik_Map& Definition, int32 GameMode)
{
	return Definition.HasFlag(static_cast<EDrovikGameModeType>(GameMode));
}
} // namespace

TArray<const ANSICHAR*> GetWorkshopTags(const UDrovik_Map& Definition)
{
	TArray<const ANSICHAR*> Tags;
	for (const FGameModeTag& Entry : GameModeTags)
	{
		if (Supports(Definition, Entry.GameMode))
		{
			Tags.Add(Entry.Tag);
		}
	}
	if (Definition.IsCustomGameMode && Supports(Definition, CustomGameMode))
	{
		Tags.Add("Custom");
	}
	return Tags;
}
