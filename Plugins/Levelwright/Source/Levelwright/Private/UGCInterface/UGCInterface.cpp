#include "UGCInterface/UGCInterface.h"

#include "Common/CustomMapNames.h"
#include "Common/CustomMaps.h"
#include "Common/LevelwrightLog.h"
#include "HAL/PlatformFilemanager.h"
#include "Misc/Paths.h"
#include "UGCInterface/SteamText.h"
#include "UGCInterface/UGCFolderVisitor.h"

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
	CreateDefinitionAsset(CustomMapNames::MakeWorkshopFolderName(Id));
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
	const FString Url = FString::Printf(TEXT("steam://url/CommunityFilePage/%llu"), ItemId);
	Friends->ActivateGameOverlayToWebPage(FSteamText(Url).Get());
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
