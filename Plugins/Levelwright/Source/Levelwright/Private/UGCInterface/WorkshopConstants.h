// Values every Workshop request of the plugin passes to Steam.
#pragma once

#include "CoreMinimal.h"

#include "Common/CustomMapNames.h"

THIRD_PARTY_INCLUDES_START
#include "steam/steam_api.h"
THIRD_PARTY_INCLUDES_END

// Drovik's Steam application: the consumer of every Workshop item the plugin creates or updates.
const AppId_t WorkshopConsumerAppId = CustomMapNames::DrovikAppId;
