// What the Workshop operations tell the author about their outcome: Steam's result codes in words, how a
// submission ended, the definition saved for a new item, the preview scaled to fit. They take every
// input as an argument and read no engine state, so each text can be checked on its own.
#pragma once

#include "CoreMinimal.h"

namespace WorkshopResultTexts
{
// The caption of every box the Workshop operations show.
extern const TCHAR* const BoxCaption;

// "steam://url/CommunityFilePage/<id>": the item's page, opened in the Steam overlay.
FString MakeItemPageUrl(uint64 ItemId);

// What a result code of Steam means for an author and what to do, e.g. for 15
// "access denied: the Steam account signed in may not change this item (...). Sign in to ...".
// A code the Workshop is not known to give is "unexpected".
FString GetResultSentence(int32 Result);
// "result <n>, <sentence>".
FString MakeResultText(int32 Result);
// The log line of a result: "Steam answered <Request> with result <n>, <sentence>".
FString MakeResultLine(const FString& Request, int32 Result);

// Why a submission ended without an upload, when it is not a result code of Steam.
extern const TCHAR* const CookFailedReason;
extern const TCHAR* const PackFailedReason;
extern const TCHAR* const NoWorkshopMapReason;
extern const TCHAR* const SteamUnavailableReason;
extern const TCHAR* const SteamRefusedReason;
extern const TCHAR* const IOFailureReason;
// The box of a failed submission: "The submission to the Workshop failed." and the reason.
FString MakeSubmissionFailedText(const FString& Reason);

// The log line once a new item's definition is on disk.
FString MakeDefinitionSavedLine(uint64 ItemId, const FString& Filename);
// The box when it could not be saved: the item id and its page, so the author can recover the link.
FString MakeDefinitionNotSavedText(uint64 ItemId, const FString& Filename);

// The log line of a preview scaled down to fit under Steam's limit: both sizes in pixels and bytes.
FString MakePreviewScaledLine(const FString& TextureName, int32 FromSizeX, int32 FromSizeY, int64 FromBytes, int32 ToSizeX, int32 ToSizeY,
							  int64 ToBytes);
} // namespace WorkshopResultTexts
