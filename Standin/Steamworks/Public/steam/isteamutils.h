// ISteamUtils of SDK 1.39 (SteamUtils008): the part the plugin calls.
#pragma once

#include "steam/isteamclient.h"

class ISteamUtils
{
public:
	// The application id the API was started for (steam_appid.txt when run outside Steam).
	virtual uint32 GetAppID() = 0;
};

#define STEAMUTILS_INTERFACE_VERSION "SteamUtils008"
