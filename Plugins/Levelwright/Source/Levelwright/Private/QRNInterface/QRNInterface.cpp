#include "QRNInterface/QRNInterface.h"

#include "HAL/PlatformFilemanager.h"
#include "Levelwright/CustomMaps.h"
#include "Levelwright/LevelwrightModule.h"
#include "Misc/Paths.h"
#include "QRNInterface/ModFolderVisitor.h"

FQRNInterface::FQRNInterface()
{
	FModFolderVisitor Visitor;
	FPlatformFileManager::Get().GetPlatformFile().IterateDirectory(*GetCustomMapsDir(), Visitor);
	if (!Visitor.FoundName.IsEmpty())
	{
		ModId = Visitor.FoundName;
		bIsUGCFolder = Visitor.bIsUGCFolder;
		if (bIsUGCFolder)
		{
			UE_LOG(LevelwrightLog, Log, TEXT("Loaded UGC ID:%s"), *ModId);
		}
		else
		{
			UE_LOG(LevelwrightLog, Log, TEXT("Loaded QRN ID:%s"), *ModId);
		}
	}
}

bool FQRNInterface::HasMod() const
{
	return !ModId.Equals(TEXT(""), ESearchCase::IgnoreCase);
}

UDrovik_Map* FQRNInterface::GetDefinition()
{
	return LoadDefinition(bIsUGCFolder ? FString::Printf(TEXT("UGC%s"), *ModId) : FString::Printf(TEXT("QRN_%s"), *ModId));
}

bool FModFolderVisitor::Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory)
{
	UE_LOG(LevelwrightLog, Log, TEXT("Visiting %s"), FilenameOrDirectory);
	if (!bIsDirectory)
	{
		return true;
	}
	const FString Name = FPaths::GetBaseFilename(FilenameOrDirectory);
	if (Name.Contains(TEXT("UGC")))
	{
		FoundName = Name.RightChop(3);
		bIsUGCFolder = true;
		return false;
	}
	if (Name.Contains(TEXT("QRN_")))
	{
		FoundName = Name.RightChop(4);
		return false;
	}
	return true;
}
