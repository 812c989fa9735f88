// Queries that only the Steam stand-in answers (the real steam_api64 has no such export). They are
// not Steam calls: while steam_api64.dll is not loaded they answer "nothing" instead of ending the
// process, and they are not recorded among the API calls.
#pragma once

#include "steam/steamtypes.h"

#include <unistd.h>
#include <vector>

// True while a request has been made whose result has not yet arrived (a result waits for
// resultDelayFrames calls of SteamAPI_RunCallbacks, and for its upload). The headless editor's
// wait-idle uses it to know when no Steam request is in flight.
S_API bool S_CALLTYPE SteamStandin_HasPendingResults();

// One function of the API and one thread that called it. Functions are named as exported
// ("SteamAPI_RunCallbacks", "SteamInternal_ContextInit") or as "<interface>::<method>"
// ("ISteamUGC::SubmitItemUpdate", "ISteamClient::GetISteamUGC").
struct SteamStandin_ApiCall_t
{
	char m_szFunction[64];
	uint64 m_ulThreadId; // the caller's thread, as SteamStandin_ThisThreadId names it
	uint64 m_ulCalls;	 // how often this thread called this function
};

// The distinct {function, thread} pairs of every API call since the DLL was loaded (or the record
// was last cleared), in the order of their first call. Writes at most nMaxCalls entries and returns
// how many there are.
S_API int32 S_CALLTYPE SteamStandin_GetApiCalls(SteamStandin_ApiCall_t* pCalls, int32 nMaxCalls);
S_API void S_CALLTYPE SteamStandin_ClearApiCalls();

// The calling thread's id in the record: its operating-system thread id.
inline uint64 SteamStandin_ThisThreadId()
{
	return static_cast<uint64>(::gettid());
}

// The whole record.
inline std::vector<SteamStandin_ApiCall_t> SteamStandin_ApiCalls()
{
	std::vector<SteamStandin_ApiCall_t> Calls(static_cast<size_t>(SteamStandin_GetApiCalls(nullptr, 0)));
	// Calls on other threads may add entries meanwhile: ask again until everything fitted.
	for (;;)
	{
		const int32 Count = SteamStandin_GetApiCalls(Calls.data(), static_cast<int32>(Calls.size()));
		const bool bAllFitted = static_cast<size_t>(Count) <= Calls.size();
		Calls.resize(static_cast<size_t>(Count));
		if (bAllFitted)
		{
			return Calls;
		}
	}
}
