// ISteamMatchmaking of SDK 1.39. The plugin never calls it, so the stand-in declares no methods; the
// simulated client still hands out an object for its version, as CSteamAPIContext::Init needs one.
#pragma once

#include "steam/isteamclient.h"

class ISteamMatchmaking
{
protected:
	~ISteamMatchmaking() = default;
};

#define STEAMMATCHMAKING_INTERFACE_VERSION "SteamMatchMaking009"

class ISteamMatchmakingServers
{
protected:
	~ISteamMatchmakingServers() = default;
};

#define STEAMMATCHMAKINGSERVERS_INTERFACE_VERSION "SteamMatchMakingServers002"
