// What the project builds, decided in one place: the Workshop map when the module holds one, else the
// Quarn mod. The pak builder, the cook-map resolution and the window all ask FLevelwrightModule for it.
#pragma once

#include "CoreMinimal.h"

class UDrovik_Map;

enum class EProjectMapSource : uint8
{
	None,
	WorkshopMap,
	QuarnMod,
};

struct FProjectMap
{
	EProjectMapSource Source = EProjectMapSource::None;
	// "UGC<item id>", "QRN_<name>" or "UGC<name>" for a Quarn mod found in a UGC folder; empty when there
	// is no Workshop map and the Quarn mod has no folder yet.
	FString FolderName;
	// The Workshop item id; 0 for a Quarn mod and for a Workshop map without item.
	uint64 ItemId = 0;

	bool HasFolder() const { return !FolderName.IsEmpty(); }
	// The folder's definition; null when it is missing. Game thread only, as every load.
	UDrovik_Map* LoadDefinition() const;
};
