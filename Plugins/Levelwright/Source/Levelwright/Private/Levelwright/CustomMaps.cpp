#include "Levelwright/CustomMaps.h"

#include "AssetRegistryModule.h"
#include "CoreGlobals.h"
#include "Drovik_Map.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"

FString GetCustomMapsDir()
{
	return FPaths::Combine(FPaths::ProjectContentDir(), TEXT("CustomMaps"));
}

FString GetDefinitionPackageName(const FString& FolderName)
{
	return FString::Printf(TEXT("/Game/CustomMaps/%s/definition"), *FolderName);
}

FString GetDefinitionObjectPath(const FString& FolderName)
{
	return GetDefinitionPackageName(FolderName) + TEXT(".definition");
}

UDrovik_Map* LoadDefinition(const FString& FolderName)
{
	UObject* Object = FSoftObjectPath(GetDefinitionObjectPath(FolderName)).TryLoad();
	if (Object && Object->IsA(UDrovik_Map::StaticClass()))
	{
		return static_cast<UDrovik_Map*>(Object);
	}
	return nullptr;
}

UDrovik_Map* CreateDefinitionAsset(const FString& FolderName)
{
	UPackage* Package = CreatePackage(nullptr, *GetDefinitionPackageName(FolderName));
	UDrovik_Map* Definition = NewObject<UDrovik_Map>(Package, FName(TEXT("definition")), RF_Public | RF_Standalone);
	if (!ensure(Definition))
	{
		return nullptr;
	}
	Definition->bCreatedByPlugin = true;
	Definition->Id = FolderName;
	if (GIsEditor)
	{
		FAssetRegistryModule::AssetCreated(Definition);
	}
	Definition->MarkPackageDirty();
	return Definition;
}
