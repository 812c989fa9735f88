#include "UGCInterface/UGCInterface.h"

#include "Common/CustomMapNames.h"
#include "Common/CustomMaps.h"
#include "Common/LevelwrightLog.h"
#include "HAL/PlatformFilemanager.h"
#include "HAL/PlatformMisc.h"
#include "Misc/Paths.h"
#include "UGCInterface/SteamText.h"
#include "UGCInterface/UGCFolderVisitor.h"
#include "UGCInterface/WorkshopResultTexts.h"

FUGCInterface::FUGCInterface()
{
	FUGCFolderVisitor Visitor;
	FPlatformFileManager::Get().GetPlatformFile().IterateDirectory(*GetCustomMapsDir(), Visitor);
	if (Visitor.ParsedId != 0)
	{
		ItemId = Visitor.ParsedId;
	}
	bRequestPending = false;
}

UDrovik_Map* FUGCInterface::GetDefinition()
{
	return LoadDefinition(CustomMapNames::MakeWorkshopFolderName(ItemId));
}

void FUGCInterface::CreateDefinition(uint64 Id)
{
	UE_LOG(LevelwrightLog, Log, TEXT("Creating map folder for id %lld"), Id);
	const FString FolderName = CustomMapNames::MakeWorkshopFolderName(Id);
	UDrovik_Map* Definition = CreateDefinitionAsset(FolderName);
	if (!Definition)
	{
		return;
	}
	const FString Filename = GetDefinitionFilename(FolderName);
	if (SaveDefinitionPackage(*Definition))
	{
		UE_LOG(LevelwrightLog, Log, TEXT("%s"), *WorkshopResultTexts::MakeDefinitionSavedLine(Id, Filename));
		return;
	}
	const FString Text = WorkshopResultTexts::MakeDefinitionNotSavedText(Id, Filename);
	UE_LOG(LevelwrightLog, Error, TEXT("%s"), *Text);
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *Text, WorkshopResultTexts::BoxCaption);
}

void FUGCInterface::LogResult(const TCHAR* Request, EResult Result) const
{
	const FString Line = WorkshopResultTexts::MakeResultLine(Request, static_cast<int32>(Result));
	if (Result == k_EResultOK)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("%s"), *Line);
	}
	else
	{
		UE_LOG(LevelwrightLog, Error, TEXT("%s"), *Line);
	}
}

void FUGCInterface::OpenItemPage()
{
	if (ItemId == 0)
	{
		return;
	}
	ISteamFriends* Friends = SteamFriends();
	if (!Friends)
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("Steam's overlay is not available, can't open the workshop item page"));
		return;
	}
	Friends->ActivateGameOverlayToWebPage(FSteamText(WorkshopResultTexts::MakeItemPageUrl(ItemId)).Get());
}

int32 FUGCInterface::GetUploadProgress(uint64& OutBytesProcessed, uint64& OutBytesTotal) const
{
	OutBytesProcessed = 0;
	OutBytesTotal = 0;
	ISteamUGC* UGC = ActiveUpdate != k_UGCUpdateHandleInvalid ? SteamUGC() : nullptr;
	return UGC ? static_cast<int32>(UGC->GetItemUpdateProgress(ActiveUpdate, &OutBytesProcessed, &OutBytesTotal)) : k_EItemUpdateStatusInvalid;
}

bool FUGCFolderVisitor::Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory)
{
	UE_LOG(LevelwrightLog, Log, TEXT("Visiting %s"), FilenameOrDirectory);
	if (!bIsDirectory)
	{
		return true;
	}
	const FString Name = FPaths::GetBaseFilename(FilenameOrDirectory);
	if (!Name.Contains(CustomMapNames::WorkshopFolderPrefix))
	{
		return true;
	}
	ParsedId = ParseItemId(Name.RightChop(FCString::Strlen(CustomMapNames::WorkshopFolderPrefix)));
	return false;
}

uint64 ParseItemId(const FString& Text)
{
	int32 Index = 0;
	while (Index < Text.Len() && FChar::IsWhitespace(Text[Index]))
	{
		++Index;
	}
	if (Index < Text.Len() && Text[Index] == TEXT('+'))
	{
		++Index;
	}
	uint64 Value = 0;
	for (; Index < Text.Len() && FChar::IsDigit(Text[Index]); ++Index)
	{
		const uint64 Digit = Text[Index] - TEXT('0');
		if (Value > (MAX_uint64 - Digit) / 10)
		{
			return 0;
		}
		Value = Value * 10 + Digit;
	}
	return Value;
}
