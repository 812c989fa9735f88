#include "Common/CustomMaps.h"

#include "AssetRegistryModule.h"
#include "Common/CustomMapNames.h"
#include "CoreGlobals.h"
#include "Drovik_Map.h"
#include "FileHelpers.h"
#include "Misc/Paths.h"
#include "UObject/Package.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/UObjectGlobals.h"

FString GetCustomMapsDir()
{
	return FPaths::Combine(FPaths::ProjectContentDir(), CustomMapNames::CustomMapsFolder);
}

UDrovik_Map* LoadDefinition(const FString& FolderName)
{
	UObject* Object = FSoftObjectPath(CustomMapNames::MakeDefinitionObjectPath(FolderName)).TryLoad();
	if (Object && Object->IsA(UDrovik_Map::StaticClass()))
	{
		return static_cast<UDrovik_Map*>(Object);
	}
	return nullptr;
}

UDrovik_Map* CreateDefinitionAsset(const FString& FolderName)
{
	UPackage* Package = CreatePackage(nullptr, *CustomMapNames::MakeDefinitionPackageName(FolderName));
	UDrovik_Map* Definition = NewObject<UDrovik_Map>(Package, FName(CustomMapNames::DefinitionAssetName), RF_Public | RF_Standalone);
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

FString GetDefinitionFilename(const FString& FolderName)
{
	return FPaths::ConvertRelativePathToFull(CustomMapNames::MakeDefinitionFilename(FPaths::ProjectContentDir(), FolderName));
}

bool SaveDefinitionPackage(UDrovik_Map& Definition)
{
	TArray<UPackage*> Packages;
	Packages.Add(Definition.GetOutermost());
	return UEditorLoadingAndSavingUtils::SavePackages(Packages, false);
}
