// The state of SteamAPI_Init: whether the API is up, for which app, and its call queue.
#pragma once

#include "CallQueue.h"

#include <string>

namespace SteamStandin
{
bool IsInitialised();
AppId_t RunningAppId();
std::string SignedInUser();
// The pipe and user of the running API (0 while it is not initialised).
HSteamPipe CurrentPipe();
HSteamUser CurrentUser();
CallQueue& Calls();
} // namespace SteamStandin
