// ISteamFriends of SDK 1.39 (SteamFriends015): the part the plugin calls.
#pragma once

#include "steam/isteamclient.h"

class ISteamFriends
{
public:
	// The signed-in user's display name (UTF-8).
	virtual const char* GetPersonaName() = 0;
	// Opens the overlay's web browser at the URL (one argument in this SDK version).
	virtual void ActivateGameOverlayToWebPage(const char* pchURL) = 0;
};

#define STEAMFRIENDS_INTERFACE_VERSION "SteamFriends015"
