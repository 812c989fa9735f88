#include "Common/CustomMapNames.h"

#include "Misc/Paths.h"

namespace CustomMapNames
{
const TCHAR* const GameProjectFolder = TEXT("Drovik");
const TCHAR* const CustomMapsFolder = TEXT("CustomMaps");
const TCHAR* const WorkshopFolderPrefix = TEXT("UGC");
const TCHAR* const ModFolderPrefix = TEXT("QRN_");
const TCHAR* const CookMarkerFileName = TEXT("WorkshopCook.txt");
const TCHAR* const WorkshopClientPakName = TEXT("WindowsNoEditor.pak");
const TCHAR* const WorkshopServerPakName = TEXT("LinuxServer.pak");
const TCHAR* const WorkshopMetadataName = TEXT("metadata.json");
const TCHAR* const DefinitionAssetName = TEXT("definition");

FString MakeWorkshopFolderName(uint64 ItemId)
{
	return FString::Printf(TEXT("%s%llu"), WorkshopFolderPrefix, ItemId);
}

FString MakeModFolderName(const FString& ModId, bool bIsUGCFolder)
{
	return (bIsUGCFolder ? WorkshopFolderPrefix : ModFolderPrefix) + ModId;
}

FString MakeDefinitionPackageName(const FString& FolderName)
{
	return FString::Printf(TEXT("/Game/%s/%s/%s"), CustomMapsFolder, *FolderName, DefinitionAssetName);
}

FString MakeDefinitionObjectPath(const FString& FolderName)
{
	return FString::Printf(TEXT("%s.%s"), *MakeDefinitionPackageName(FolderName), DefinitionAssetName);
}

FString MakeDefinitionFilename(const FString& ContentDir, const FString& FolderName)
{
	// The engine's file of a package /Game/X is <Content>/X with the asset extension.
	return FPaths::Combine(ContentDir, CustomMapsFolder, FolderName, FString::Printf(TEXT("%s.uasset"), DefinitionAssetName));
}

FString MakeMountPoint(const FString& MapFolderName)
{
	// The game mounts paks relative to its binaries, three folders below its install.
	return FString::Printf(TEXT("../../../%s/Content/%s/%s"), GameProjectFolder, CustomMapsFolder, *MapFolderName);
}

FString MakeCookedMapDir(const FString& SavedDir, const FString& CookPlatform, const FString& MapFolderName)
{
	return FPaths::Combine(SavedDir, TEXT("Cooked"), CookPlatform, GameProjectFolder, TEXT("Content"), CustomMapsFolder, MapFolderName);
}
} // namespace CustomMapNames
