#include "UGCInterface/WorkshopResultTexts.h"

#include "UGCInterface/WorkshopConstants.h"

namespace WorkshopResultTexts
{
const TCHAR* const BoxCaption = TEXT("Drovik Workshop");

FString MakeItemPageUrl(uint64 ItemId)
{
	return FString::Printf(TEXT("steam://url/CommunityFilePage/%llu"), ItemId);
}

FString GetResultSentence(int32 Result)
{
	switch (Result)
	{
	case k_EResultOK:
		return TEXT("OK: Steam accepted the request.");
	case k_EResultFail:
		return TEXT("generic failure: Steam could not complete the request and gave no reason. Try again later.");
	case k_EResultInvalidParam:
		return TEXT("invalid parameter: Steam refused a value of the request (an empty title, for example). Check the map's "
					"title, tags and preview, then try again.");
	case k_EResultFileNotFound:
		return TEXT("file not found: Steam could not find the item, the content folder or the preview file. Check that the "
					"item still exists on its page and that the files were written, then try again.");
	case k_EResultDuplicateName:
		return TEXT("duplicate name: your account already has a Workshop item with this title. Give the map another title.");
	case k_EResultAccessDenied:
		return TEXT("access denied: the Steam account signed in may not change this item (it is another account's item, or "
					"the account does not own Drovik). Sign in to the account that owns the game and the item.");
	case k_EResultTimeout:
		return TEXT("timeout: Steam took too long to answer. Try again.");
	case k_EResultLimitExceeded:
		return TEXT("limit exceeded: the preview image is 1 MB or larger, or your Steam Cloud storage is full. Use a smaller "
					"preview, or free space in your Steam Cloud.");
	case k_EResultLockingFailed:
		return TEXT("locking failed: another update of this item is still running. Wait until it is done, then try again.");
	case k_EResultServiceReadOnly:
		return TEXT("service read-only: Steam accepts no changes from this account for now (often for a few days after "
					"changes to the account). Try again later.");
	case k_EResultRateLimitExceeded:
		return TEXT("rate limit exceeded: too many updates in a short time. Wait a while before the next one.");
	case k_EResultItemDeleted:
		return TEXT("item deleted: the Workshop item no longer exists, so it cannot be updated. The map needs a new item.");
	default:
		return TEXT("unexpected: a result the Workshop is not known to give. Try again; if it stays, look the number up in "
					"Steam's list of results (EResult).");
	}
}

FString MakeResultText(int32 Result)
{
	return FString::Printf(TEXT("result %d, %s"), Result, *GetResultSentence(Result));
}

FString MakeResultLine(const FString& Request, int32 Result)
{
	return FString::Printf(TEXT("Steam answered %s with %s"), *Request, *MakeResultText(Result));
}

const TCHAR* const CookFailedReason = TEXT("The map could not be cooked. The log's cook lines say why; fix that, then submit again.");
const TCHAR* const PackFailedReason =
	TEXT("The cooked map could not be packed. The log's pak lines say why; fix that, then submit again.");
const TCHAR* const NoWorkshopMapReason = TEXT("The project has no Workshop map any more. Restart the editor with Steam running.");
const TCHAR* const SteamUnavailableReason =
	TEXT("Steam's Workshop interface is not available. Start Steam, sign in, restart the editor, then submit again.");
const TCHAR* const SteamRefusedReason =
	TEXT("Steam refused the upload before sending anything. Check that Steam is running and signed in, then submit again.");
const TCHAR* const IOFailureReason = TEXT("Steam reported an I/O failure, so the upload may not have arrived. Look at the item's page, "
										  "then submit again.");

FString MakeSubmissionFailedText(const FString& Reason)
{
	return FString::Printf(TEXT("The submission to the Workshop failed.\n\n%s"), *Reason);
}

FString MakeDefinitionSavedLine(uint64 ItemId, const FString& Filename)
{
	return FString::Printf(TEXT("Saved the definition of Workshop item %llu to %s"), ItemId, *Filename);
}

FString MakeDefinitionNotSavedText(uint64 ItemId, const FString& Filename)
{
	return FString::Printf(TEXT("Workshop item %llu was created, but its definition could not be saved to %s. Save it now (File > Save "
								"All): until it is saved, the project loses its link to the item if the editor stops. The item's page "
								"is %s."),
						   ItemId, *Filename, *MakeItemPageUrl(ItemId));
}

FString MakePreviewScaledLine(const FString& TextureName, int32 FromSizeX, int32 FromSizeY, int64 FromBytes, int32 ToSizeX, int32 ToSizeY,
							  int64 ToBytes)
{
	return FString::Printf(TEXT("Scaled the preview %s down from %dx%d pixels (%lld bytes) to %dx%d pixels (%lld bytes): Steam takes a "
								"preview under %lld bytes"),
						   *TextureName, FromSizeX, FromSizeY, FromBytes, ToSizeX, ToSizeY, ToBytes, PreviewFileLimit);
}
} // namespace WorkshopResultTexts
