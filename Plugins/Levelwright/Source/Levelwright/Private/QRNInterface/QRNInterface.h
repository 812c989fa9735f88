// The project's Drovik:Quarn mod: the mod folder found at start-up or created from a typed name.
#pragma once

#include "CoreMinimal.h"

class UDrovik_Map;

class FQRNInterface
{
public:
	// Scans Content/CustomMaps for the first "UGC" or "QRN_" folder.
	FQRNInterface();

	bool HasMod() const;
	// The definition of the folder that ModId and bIsUGCFolder name, or null.
	UDrovik_Map* GetDefinition();
	// Creates the mod "QRN_<MapName>" and its definition asset.
	void CreateMod();

	FString ModId;
	FString MapName;
	bool bIsUGCFolder = false;
};
