// Queries that only the Steam stand-in answers (the real steam_api64 has no such export). The
// headless editor's wait-idle uses it to know when no Steam request is in flight.
#pragma once

#include "steam/steamtypes.h"

// True while a request has been made whose result has not yet arrived (a result waits for
// resultDelayFrames calls of SteamAPI_RunCallbacks).
S_API bool S_CALLTYPE SteamStandin_HasPendingResults();
