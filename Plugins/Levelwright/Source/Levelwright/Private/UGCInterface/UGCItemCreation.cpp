// Creating the project's Workshop item and, once Steam has given it an id, its definition asset.
#include "Common/LevelwrightLog.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopConstants.h"

void FUGCInterface::CreateItem()
{
	if (RefuseIfProblems(TEXT("Create New"), FindCreateProblems(ItemId)))
	{
		return;
	}
	ISteamUGC* UGC = SteamUGC();
	if (!UGC)
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("Steam doesn't seem to be loaded SteamUGC() returned a nullptr"));
		return;
	}
	UE_LOG(LevelwrightLog, Warning, TEXT("Creating new item"));
	const SteamAPICall_t Call = UGC->CreateItem(WorkshopConsumerAppId, k_EWorkshopFileTypeCommunity);
	bRequestPending = ArmCallResult(CreateItemCallResult, Call, &FUGCInterface::OnCreateItemResult, TEXT("Steam refused to create a workshop item"));
}

void FUGCInterface::OnCreateItemResult(CreateItemResult_t* Data, bool bIOFailure)
{
	UE_LOG(LevelwrightLog, Log, TEXT("OnCreateItemResult"));
	if (!ensure(bIOFailure == false))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Creating the workshop item failed: Steam reported an I/O failure"));
		bRequestPending = false;
		return;
	}
	check(Data != nullptr);
	LogResult(TEXT("the item creation"), Data->m_eResult);
	if (Data->m_eResult == k_EResultOK)
	{
		ItemId = Data->m_nPublishedFileId;
		CreateDefinition(ItemId);
	}
	// The item stays hidden until the author accepts the Workshop agreement, which is done on its page.
	if (Data->m_bUserNeedsToAcceptWorkshopLegalAgreement)
	{
		OpenItemPage();
	}
	bRequestPending = false;
}
