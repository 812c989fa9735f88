// The state of SteamAPI_Init: whether the API is up, for which app, and its call queue.
#pragma once

#include "CallQueue.h"

#include <string>

namespace SteamStandin
{
bool IsInitialised();
AppId_t RunningAppId();
std::string SignedInUser();
CallQueue& Calls();
} // namespace SteamStandin
