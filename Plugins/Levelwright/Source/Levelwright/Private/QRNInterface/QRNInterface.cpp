#include "QRNInterface/QRNInterface.h"

#include "Common/CustomMapNames.h"
#include "Common/CustomMaps.h"
#include "Common/LevelwrightLog.h"
#include "HAL/PlatformFilemanager.h"
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
	return LoadDefinition(CustomMapNames::MakeModFolderName(ModId, bIsUGCFolder));
}

bool FModFolderVisitor::Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory)
{
	UE_LOG(LevelwrightLog, Log, TEXT("Visiting %s"), FilenameOrDirectory);
	if (!bIsDirectory)
	{
		return true;
	}
	const FString Name = FPaths::GetBaseFilename(FilenameOrDirectory);
	if (Name.Contains(CustomMapNames::WorkshopFolderPrefix))
	{
		FoundName = Name.RightChop(FCString::Strlen(CustomMapNames::WorkshopFolderPrefix));
		bIsUGCFolder = true;
		return false;
	}
	if (Name.Contains(CustomMapNames::ModFolderPrefix))
	{
		FoundName = Name.RightChop(FCString::Strlen(CustomMapNames::ModFolderPrefix));
		return false;
	}
	return true;
}
