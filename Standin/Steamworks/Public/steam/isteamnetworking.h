// ISteamNetworking of SDK 1.39. The plugin never calls it, so the stand-in declares no methods; the
// simulated client still hands out an object for its version, as CSteamAPIContext::Init needs one.
#pragma once

#include "steam/isteamclient.h"

class ISteamNetworking
{
protected:
	~ISteamNetworking() = default;
};

#define STEAMNETWORKING_INTERFACE_VERSION "SteamNetworking005"
