// ISteamHTMLSurface of SDK 1.39. The plugin never calls it, so the stand-in declares no methods; the
// simulated client still hands out an object for its version, as CSteamAPIContext::Init needs one.
#pragma once

#include "steam/isteamclient.h"

class ISteamHTMLSurface
{
protected:
	~ISteamHTMLSurface() = default;
};

#define STEAMHTMLSURFACE_INTERFACE_VERSION "STEAMHTMLSURFACE_INTERFACE_VERSION_003"
