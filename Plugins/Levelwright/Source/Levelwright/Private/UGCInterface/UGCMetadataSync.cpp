// Pushing the definition's title, game-mode tags and preview image to the project's Workshop item.
#include "Common/LevelwrightLog.h"
#include "Drovik_Map.h"
#include "Misc/Paths.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/SteamText.h"
#include "UGCInterface/TexturePreview.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopConstants.h"
#include "UGCInterface/WorkshopTags.h"

namespace
{
const ANSICHAR* SyncChangeNote = "Sync metadata";

FString GetPreviewFilePath()
{
	return FPaths::Combine(FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir()), TEXT("preview.png"));
}

// An empty list is not sent, so that a map without a listed mode keeps the tags its item has.
void SetTags(ISteamUGC& UGC, UGCUpdateHandle_t Update, const UDrovik_Map& Definition)
{
	TArray<const ANSICHAR*> Tags = GetWorkshopTags(Definition);
	if (Tags.Num() == 0)
	{
		return;
	}
	SteamParamStringArray_t TagArray;
	TagArray.m_ppStrings = Tags.GetData();
	TagArray.m_nNumStrings = Tags.Num();
	UGC.SetItemTags(Update, &TagArray);
}

// Without a usable texture the item keeps the preview it has.
void SetPreview(ISteamUGC& UGC, UGCUpdateHandle_t Update, UTexture2D* PreviewImage)
{
	const FString PreviewFile = GetPreviewFilePath();
	if (!PreviewImage || !SaveTextureAsPng(PreviewImage, PreviewFile))
	{
		return;
	}
	if (!UGC.SetItemPreview(Update, FSteamText(PreviewFile).Get()))
	{
		ensure(false);
	}
}
} // namespace

void FUGCInterface::SyncMetadata()
{
	UDrovik_Map* Definition = GetDefinition();
	if (!ensure(Definition))
	{
		return;
	}
	if (RefuseIfProblems(TEXT("Sync Metadata"), FindSyncProblems(*Definition, ItemId)))
	{
		return;
	}
	ISteamUGC* UGC = SteamUGC();
	if (!UGC)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Failed to sync: Steam's Workshop interface is not available"));
		return;
	}
	const UGCUpdateHandle_t Update = UGC->StartItemUpdate(WorkshopConsumerAppId, ItemId);
	UGC->SetItemTitle(Update, FSteamText(Definition->MapLabel.ToString()).Get());
	SetTags(*UGC, Update, *Definition);
	SetPreview(*UGC, Update, Definition->PreviewImage);

	const SteamAPICall_t Call = UGC->SubmitItemUpdate(Update, SyncChangeNote);
	bRequestPending = ArmCallResult(SyncCallResult, Call, &FUGCInterface::OnSyncItemResult, TEXT("Failed to sync: Steam refused the item update"));
	ActiveUpdate = bRequestPending ? Update : k_UGCUpdateHandleInvalid;
}

void FUGCInterface::OnSyncItemResult(SubmitItemUpdateResult_t* Data, bool bIOFailure)
{
	bRequestPending = false;
	ActiveUpdate = k_UGCUpdateHandleInvalid;
	bLastSyncSucceeded = !bIOFailure && Data && Data->m_eResult == k_EResultOK;
	// The record of an I/O failure carries no result code worth reporting.
	if (bIOFailure)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Failed to sync: Steam reported an I/O failure"));
		return;
	}
	check(Data != nullptr);
	if (Data->m_eResult == k_EResultOK)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Synced item"));
	}
	else
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Failed to sync %d"), static_cast<int32>(Data->m_eResult));
	}
	LogResult(TEXT("the metadata sync"), Data->m_eResult);
}
