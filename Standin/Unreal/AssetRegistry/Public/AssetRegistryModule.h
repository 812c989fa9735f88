// The "AssetRegistry" module: the editor's index of assets, told when assets appear and go.
#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"

class UObject;

class FAssetRegistryModule : public IModuleInterface
{
public:
	// Tells the registry about a new in-memory asset (the content browser lists it). Editor only.
	static void AssetCreated(UObject* NewAsset);
	static void AssetDeleted(UObject* DeletedAsset);
};
