// Uploading the Workshop content folder as a new version of the project's item.
#include "Common/LevelwrightLog.h"
#include "UGCInterface/SteamText.h"
#include "UGCInterface/UGCInterface.h"
#include "UGCInterface/WorkshopConstants.h"
#include "UGCInterface/WorkshopResultTexts.h"

namespace
{
// Stored as the item's metadata on every upload; the game does not read it.
const ANSICHAR* SubmissionMetadata = "metadata";
} // namespace

// The change note is the job's own copy, taken when Submit was pressed: the window keeps writing the
// member ChangeNote while the job runs.
void FUGCInterface::SubmitContent(const FString& ContentFolder, const FString& SubmittedChangeNote)
{
	UE_LOG(LevelwrightLog, Log, TEXT("Submiting content to APP: %d  Item: %lld"), WorkshopConsumerAppId, ItemId);
	ISteamUGC* UGC = SteamUGC();
	if (!UGC)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Workshop submission failed: Steam's Workshop interface is not available"));
		FinishSubmission(false, WorkshopResultTexts::SteamUnavailableReason);
		return;
	}
	const UGCUpdateHandle_t Update = UGC->StartItemUpdate(WorkshopConsumerAppId, ItemId);

	const bool bSetContentSucceed = UGC->SetItemContent(Update, FSteamText(ContentFolder).Get());
	ensure(bSetContentSucceed);
	const bool bSetMetadataSucceeded = UGC->SetItemMetadata(Update, SubmissionMetadata);
	ensure(bSetMetadataSucceeded);

	const SteamAPICall_t Call = UGC->SubmitItemUpdate(Update, FSteamText(SubmittedChangeNote).Get());
	// Steam never answers a refused request, so the submission ends here.
	if (!ArmCallResult(SubmitCallResult, Call, &FUGCInterface::OnSubmitItemResult,
					   FString::Printf(TEXT("Workshop submission failed: Steam refused the upload of %s"), *ContentFolder)))
	{
		FinishSubmission(false, WorkshopResultTexts::SteamRefusedReason);
		return;
	}
	ActiveUpdate = Update;
}

void FUGCInterface::OnSubmitItemResult(SubmitItemUpdateResult_t* Data, bool bIOFailure)
{
	ActiveUpdate = k_UGCUpdateHandleInvalid;
	if (!ensure(bIOFailure == false))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Workshop submission failed: Steam reported an I/O failure"));
		FinishSubmission(false, WorkshopResultTexts::IOFailureReason);
		return;
	}
	check(Data != nullptr);
	LogResult(TEXT("the submission"), Data->m_eResult);
	if (Data->m_eResult == k_EResultOK)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Content submision succeeded"));
	}
	// The new version stays hidden until the author accepts the Workshop agreement on the item's page.
	if (Data->m_bUserNeedsToAcceptWorkshopLegalAgreement)
	{
		OpenItemPage();
	}
	const bool bSucceeded = Data->m_eResult == k_EResultOK;
	FinishSubmission(bSucceeded, bSucceeded ? FString() : WorkshopResultTexts::MakeResultText(static_cast<int32>(Data->m_eResult)));
}

// The handler bound here (the module's) unbinds OnSubmitFinished while it runs, so a copy is executed:
// unbinding the member then cannot pull the running function out from under itself.
void FUGCInterface::FinishSubmission(bool bSucceeded, const FString& Reason)
{
	const FOnSubmitFinished Finished = OnSubmitFinished;
	Finished.ExecuteIfBound(bSucceeded, Reason);
}
