// ISteamUnifiedMessages of SDK 1.39. The plugin never calls it, so the stand-in declares no methods; the
// simulated client still hands out an object for its version, as CSteamAPIContext::Init needs one.
#pragma once

#include "steam/isteamclient.h"

class ISteamUnifiedMessages
{
protected:
	~ISteamUnifiedMessages() = default;
};

#define STEAMUNIFIEDMESSAGES_INTERFACE_VERSION "STEAMUNIFIEDMESSAGES_INTERFACE_VERSION001"
