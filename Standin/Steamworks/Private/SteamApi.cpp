// The flat API of steam_api64: start-up and shut-down, the pump, call-result registration and the
// per-module interface context.
#include "ApiCalls.h"
#include "Files.h"
#include "Log.h"
#include "Session.h"
#include "SteamClient.h"
#include "SteamStandin.h"
#include "SteamUgc.h"
#include "steam/steam_api.h"

#include <atomic>
#include <charconv>
#include <mutex>

namespace SteamStandin
{
namespace
{
constexpr HSteamPipe Pipe = 1;
constexpr HSteamUser User = 1;

struct SessionState
{
	std::mutex Mutex;
	bool bInitialised = false;
	AppId_t AppId = 0;
	std::string User;
};

SessionState& State()
{
	static SessionState Instance;
	return Instance;
}

// Bumped by every SteamAPI_Init and SteamAPI_Shutdown, so each module refills its context.
std::atomic<std::uintptr_t> ContextGeneration{1};
std::mutex ContextMutex;

// The app id from ./steam_appid.txt (the working folder), as the real library reads it.
bool ReadAppId(AppId_t& Out)
{
	const std::optional<std::string> Text = ReadWholeFile("steam_appid.txt");
	if (!Text)
	{
		return false;
	}
	const char* Begin = Text->data();
	const char* End = Begin + Text->size();
	while (Begin != End && (*Begin == ' ' || *Begin == '\t' || *Begin == '\r' || *Begin == '\n'))
	{
		++Begin;
	}
	const auto [Stop, Error] = std::from_chars(Begin, End, Out);
	return Error == std::errc() && Out != 0;
}
} // namespace

bool IsInitialised()
{
	std::lock_guard Lock(State().Mutex);
	return State().bInitialised;
}

AppId_t RunningAppId()
{
	std::lock_guard Lock(State().Mutex);
	return State().bInitialised ? State().AppId : 0;
}

std::string SignedInUser()
{
	std::lock_guard Lock(State().Mutex);
	return State().User;
}

HSteamPipe CurrentPipe()
{
	return IsInitialised() ? Pipe : 0;
}

HSteamUser CurrentUser()
{
	return IsInitialised() ? User : 0;
}

CallQueue& Calls()
{
	static CallQueue Queue;
	return Queue;
}
} // namespace SteamStandin

using namespace SteamStandin;

S_API bool S_CALLTYPE SteamAPI_Init()
{
	RecordApiCall("SteamAPI_Init");
	if (IsInitialised())
	{
		return true;
	}
	AppId_t AppId = 0;
	if (!ReadAppId(AppId))
	{
		LogWarning("SteamAPI_Init failed: no app id in ./steam_appid.txt");
		return false;
	}
	ClientConfig Config;
	std::string Error;
	if (!LoadClientConfig(Config, Error))
	{
		LogWarning("SteamAPI_Init failed: " + Error);
		return false;
	}
	if (!Config.bRunning)
	{
		LogWarning("SteamAPI_Init failed: the Steam client is not running");
		return false;
	}
	{
		std::lock_guard Lock(State().Mutex);
		State().bInitialised = true;
		State().AppId = AppId;
		State().User = Config.User;
	}
	++ContextGeneration;
	Log("SteamAPI_Init: app " + std::to_string(AppId) + ", user \"" + Config.User +
		"\" (the Levelwright stand-in of the Steam client)");
	return true;
}

S_API void S_CALLTYPE SteamAPI_Shutdown()
{
	RecordApiCall("SteamAPI_Shutdown");
	{
		std::lock_guard Lock(State().Mutex);
		if (!State().bInitialised)
		{
			return;
		}
		State().bInitialised = false;
		State().AppId = 0;
	}
	Calls().Clear();
	Ugc().Reset();
	++ContextGeneration;
}

S_API void S_CALLTYPE SteamAPI_RunCallbacks()
{
	RecordApiCall("SteamAPI_RunCallbacks");
	if (IsInitialised())
	{
		Calls().RunFrame();
	}
}

S_API void S_CALLTYPE SteamAPI_RegisterCallResult(CCallbackBase* pCallback, SteamAPICall_t hAPICall)
{
	RecordApiCall("SteamAPI_RegisterCallResult");
	if (pCallback && hAPICall != k_uAPICallInvalid)
	{
		Calls().Register(pCallback, hAPICall);
	}
}

S_API void S_CALLTYPE SteamAPI_UnregisterCallResult(CCallbackBase* pCallback, SteamAPICall_t hAPICall)
{
	RecordApiCall("SteamAPI_UnregisterCallResult");
	if (pCallback && hAPICall != k_uAPICallInvalid)
	{
		Calls().Unregister(pCallback, hAPICall);
	}
}

S_API HSteamPipe S_CALLTYPE SteamAPI_GetHSteamPipe()
{
	RecordApiCall("SteamAPI_GetHSteamPipe");
	return CurrentPipe();
}

S_API HSteamUser S_CALLTYPE SteamAPI_GetHSteamUser()
{
	RecordApiCall("SteamAPI_GetHSteamUser");
	return CurrentUser();
}

S_API void* S_CALLTYPE SteamInternal_CreateInterface(const char* ver)
{
	RecordApiCall("SteamInternal_CreateInterface");
	return ClientFor(ver);
}

// The block is { init routine, counter, CSteamAPIContext }: the routine runs whenever the counter
// lags behind the library's, and the context's address is returned.
S_API void* S_CALLTYPE SteamInternal_ContextInit(void* pContextInitData)
{
	RecordApiCall("SteamInternal_ContextInit");
	void** Block = static_cast<void**>(pContextInitData);
	void* Context = Block + 2;
	std::lock_guard Lock(ContextMutex);
	const std::uintptr_t Generation = ContextGeneration.load();
	if (reinterpret_cast<std::uintptr_t>(Block[1]) != Generation)
	{
		Block[1] = reinterpret_cast<void*>(Generation);
		auto Init = reinterpret_cast<void (*)(void*)>(Block[0]);
		Init(Context);
	}
	return Context;
}

S_API bool S_CALLTYPE SteamStandin_HasPendingResults()
{
	return Calls().HasPending();
}
