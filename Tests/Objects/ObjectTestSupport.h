// Shared pieces of the object tests: sample pixels and a definition with every property set.
#pragma once

#include "Drovik_Map.h"
#include "Standin/Packages.h"
#include "Standin/Textures.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"

inline TArray<uint8> MakeBgraPixels(int32 SizeX, int32 SizeY)
{
	TArray<uint8> Pixels;
	for (int32 Index = 0; Index < SizeX * SizeY; ++Index)
	{
		Pixels.Add(static_cast<uint8>(Index * 7));
		Pixels.Add(static_cast<uint8>(Index * 13 + 1));
		Pixels.Add(static_cast<uint8>(255 - Index));
		Pixels.Add(static_cast<uint8>(Index % 2 ? 255 : 128));
	}
	return Pixels;
}

inline UTexture2D* MakeTextureAsset(const TCHAR* PackageName, const TCHAR* Name, int32 SizeX = 5, int32 SizeY = 3)
{
	UPackage* Package = CreatePackage(nullptr, PackageName);
	UTexture2D* Texture = Standin::Textures::CreateTexture(Package, FName(Name), SizeX, SizeY, MakeBgraPixels(SizeX, SizeY));
	Texture->MarkPackageDirty();
	return Texture;
}

// /Game/CustomMaps/UGC123/definition with every property set, referring to /Game/Previews/Shot.
inline UDrovik_Map* MakeFullDefinition()
{
	UPackage* Package = CreatePackage(nullptr, TEXT("/Game/CustomMaps/UGC123/definition"));
	UDrovik_Map* Definition = NewObject<UDrovik_Map>(Package, FName(TEXT("definition")), RF_Public | RF_Standalone);
	Definition->Id = TEXT("UGC123");
	Definition->MapLabel = FText::FromString(TEXT("Harbour \"Night\" \u00e9dition"));
	Definition->Version = 42;
	Definition->PreviewImage = MakeTextureAsset(TEXT("/Game/Previews/Shot"), TEXT("Shot"));
	Definition->Map = FSoftObjectPath(TEXT("/Game/Maps/Harbour.Harbour"));
	Definition->QuestMap = FSoftObjectPath(TEXT("/Game/Maps/Harbour_Quest.Harbour_Quest"));
	Definition->IsCustomGameMode = true;
	Definition->CustomGameModeLabel = TEXT("Hide & Seek");
	Definition->GameModes = {EDrovikGameModeType::Deathmatch, static_cast<EDrovikGameModeType>(4), EDrovikGameModeType::Push};
	Definition->bCreatedByPlugin = true;
	Definition->MarkPackageDirty();
	return Definition;
}
