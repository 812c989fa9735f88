// What the header tool would generate for UDrovik_Map: its class object and property table.
#include "Drovik_Map.h"
#include "Standin/ClassModel.h"

STANDIN_IMPLEMENT_CLASS(UDrovik_Map, UDataAsset, DrovikProxy)
{
	Class.AddProperty(TEXT("Id"), &UDrovik_Map::Id);
	Class.AddProperty(TEXT("MapLabel"), &UDrovik_Map::MapLabel);
	Class.AddProperty(TEXT("Version"), &UDrovik_Map::Version);
	Class.AddProperty(TEXT("PreviewImage"), &UDrovik_Map::PreviewImage);
	Class.AddProperty(TEXT("Map"), &UDrovik_Map::Map);
	Class.AddProperty(TEXT("QuestMap"), &UDrovik_Map::QuestMap);
	Class.AddProperty(TEXT("IsCustomGameMode"), &UDrovik_Map::IsCustomGameMode);
	Class.AddProperty(TEXT("CustomGameModeLabel"), &UDrovik_Map::CustomGameModeLabel);
	// Every value from Custom (0) to Push (12) is a game mode of the game, named or not.
	Class.AddProperty(TEXT("GameModes"), &UDrovik_Map::GameModes).SetRange(0, static_cast<int64>(EDrovikGameModeType::Push));
	Class.AddProperty(TEXT("bCreatedByPlugin"), &UDrovik_Map::bCreatedByPlugin);
}
