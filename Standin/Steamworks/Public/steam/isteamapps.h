// ISteamApps of SDK 1.39 (STEAMAPPS_INTERFACE_VERSION008): the part the plugin calls.
#pragma once

#include "steam/isteamclient.h"

class ISteamApps
{
public:
	// Writes the app's install folder (zero-terminated) and returns the number of bytes written,
	// the terminating zero included; 0 and an empty string when the app is not installed.
	virtual uint32 GetAppInstallDir(AppId_t appID, char* pchFolder, uint32 cchFolderBufferSize) = 0;
};

#define STEAMAPPS_INTERFACE_VERSION "STEAMAPPS_INTERFACE_VERSION008"
