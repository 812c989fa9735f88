// Values every Workshop request of the plugin passes to Steam.
#pragma once

#include "CoreMinimal.h"

#include "Common/CustomMapNames.h"

THIRD_PARTY_INCLUDES_START
#include "steam/steam_api.h"
THIRD_PARTY_INCLUDES_END

// Drovik's Steam application: the consumer of every Workshop item the plugin creates or updates.
const AppId_t WorkshopConsumerAppId = CustomMapNames::DrovikAppId;

// Steam's limits on what an item update sends (SDK 1.39), counted in bytes of UTF-8:
// k_cchPublishedDocumentTitleMax is 129 with the terminator, k_cchPublishedDocumentChangeDescriptionMax 8000.
const int32 MaxTitleBytes = 128;
const int32 MaxChangeNoteBytes = 8000;
// A preview file must be smaller than this: 1 MB and more gives result 25 (limit exceeded).
const int64 PreviewFileLimit = 1024 * 1024;
