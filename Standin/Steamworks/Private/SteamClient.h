// The simulated client's ISteamClient: one object per interface version of SDK 1.39.
#pragma once

#include "steam/isteamclient.h"

namespace SteamStandin
{
// The client object, or null when client.json withholds "SteamClient017" (or another version is asked).
ISteamClient* ClientFor(const char* Version);
} // namespace SteamStandin
