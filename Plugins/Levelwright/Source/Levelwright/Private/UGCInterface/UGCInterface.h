// The project's Steam Workshop map: its item id, the Steam requests in flight, and the operations
// that create the item, upload content and sync the item's title, tags and preview.
#pragma once

#include "Common/LevelwrightLog.h"
#include "CoreMinimal.h"

THIRD_PARTY_INCLUDES_START
#include "steam/steam_api.h"
THIRD_PARTY_INCLUDES_END

class UDrovik_Map;

// How a submission ended: whether it succeeded and, when it did not, why (a sentence for the author).
DECLARE_DELEGATE_TwoParams(FOnSubmitFinished, bool, const FString&);

class FUGCInterface
{
public:
	// Scans Content/CustomMaps for a "UGC<id>" folder.
	FUGCInterface();

	// The definition of ItemId (/Game/CustomMaps/UGC<id>/definition), or null.
	UDrovik_Map* GetDefinition();
	// Creates the definition asset of a new item and saves it to disk at once, so the project keeps
	// its link to the item even if the editor stops before the author saves; a failed save shows a box
	// with the item's id and page.
	void CreateDefinition(uint64 Id);

	// Asks Steam for a new Workshop item; the answer arrives in OnCreateItemResult. Nothing is sent
	// while the project has an item (a box says so).
	void CreateItem();
	// Uploads ContentFolder as the item's new version with ChangeNote; the answer reaches OnSubmitFinished.
	void SubmitContent(const FString& ContentFolder, const FString& ChangeNote);
	// Sends the definition's title, game-mode tags and preview image to the item. Nothing is sent when
	// the title, the preview texture or the item would be refused (a box lists why).
	void SyncMetadata();
	// Opens the item's community page in the Steam overlay (nothing while ItemId is 0).
	void OpenItemPage();
	// How far the item update in flight (a submission or a sync) is: Steam's EItemUpdateStatus and the
	// bytes processed of the total; k_EItemUpdateStatusInvalid when none is in flight.
	int32 GetUploadProgress(uint64& OutBytesProcessed, uint64& OutBytesTotal) const;

	CCallResult<FUGCInterface, CreateItemResult_t> CreateItemCallResult;
	CCallResult<FUGCInterface, SubmitItemUpdateResult_t> SubmitCallResult;
	CCallResult<FUGCInterface, SubmitItemUpdateResult_t> SyncCallResult;
	uint64 ItemId = 0;
	bool bRequestPending = false;
	// The item update whose result is awaited (submission or sync).
	UGCUpdateHandle_t ActiveUpdate = k_UGCUpdateHandleInvalid;
	// How the last metadata sync ended (its notification says so).
	bool bLastSyncSucceeded = false;
	FString ChangeNote;
	FOnSubmitFinished OnSubmitFinished;

	void OnCreateItemResult(CreateItemResult_t* Data, bool bIOFailure);
	void OnSubmitItemResult(SubmitItemUpdateResult_t* Data, bool bIOFailure);
	void OnSyncItemResult(SubmitItemUpdateResult_t* Data, bool bIOFailure);

private:
	// Ends a submission: runs OnSubmitFinished with the outcome and, on failure, the reason.
	void FinishSubmission(bool bSucceeded, const FString& Reason);
	// Logs Steam's answer to Request ("the submission", ...) with its code and what it means: at Log for
	// success, at Error otherwise.
	void LogResult(const TCHAR* Request, EResult Result) const;

	// Arms Holder for Call. Steam refused the request when Call is invalid: no result will ever arrive
	// for it, so Refusal is logged at Error and false returned.
	template <typename ResultType>
	bool ArmCallResult(CCallResult<FUGCInterface, ResultType>& Holder, SteamAPICall_t Call,
					   void (FUGCInterface::*Handler)(ResultType*, bool), const FString& Refusal)
	{
		Holder.Set(Call, this, Handler);
		if (Call == k_uAPICallInvalid)
		{
			UE_LOG(LevelwrightLog, Error, TEXT("%s"), *Refusal);
			return false;
		}
		return true;
	}
};
