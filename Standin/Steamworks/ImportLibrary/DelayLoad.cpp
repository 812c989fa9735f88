// steam_api64.lib with steam_api64.dll delay-loaded, as the engine's Steamworks module links it: each
// export of the DLL is a stub that, on its first call, binds to the steam_api64.dll already loaded
// into the process and calls through. The editor's DLL search path holds no copy of the DLL (it
// lives in the engine's third-party folder), so when nobody has loaded it the helper's load fails and
// the process ends, as an unhandled delay-load exception ends it on Windows.
#include "SteamStandin.h"
#include "steam/steam_api.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

namespace
{
constexpr const char* SteamDllName = "steam_api64.dll";

// The exception codes of the delay-load helper: VcppException(ERROR_SEVERITY_ERROR, ERROR_MOD_NOT_FOUND
// or ERROR_PROC_NOT_FOUND).
constexpr unsigned ModuleNotFoundException = 0xC06D007E;
constexpr unsigned ProcedureNotFoundException = 0xC06D007F;

[[noreturn]] void FailDelayLoad(const char* Function, unsigned Exception, const char* Reason)
{
	std::fprintf(stderr,
				 "Standin: Error: unhandled exception 0x%08X in %s: the delay-load of %s failed (%s). It is not on the "
				 "DLL search path: load it from <engine>/Binaries/ThirdParty/Steamworks/Steamv139/Win64/ with "
				 "FPlatformProcess::GetDllHandle before the first Steam call.\n",
				 Exception, Function, SteamDllName, Reason);
	std::fflush(stderr);
	std::abort();
}

// The loaded DLL, found by its name among the libraries of the process; a new reference to it, or null.
void* FindLoadedDll()
{
	return ::dlopen(SteamDllName, RTLD_NOW | RTLD_NOLOAD);
}

// Binds once, as the helper patches the import address: the reference taken here keeps the DLL
// loaded for the rest of the process, as the helper's own load does.
void* Bind(std::atomic<void*>& Slot, const char* Function)
{
	if (void* Bound = Slot.load(std::memory_order_acquire))
	{
		return Bound;
	}
	void* Module = FindLoadedDll();
	if (!Module)
	{
		FailDelayLoad(Function, ModuleNotFoundException, "module not found");
	}
	void* Address = ::dlsym(Module, Function);
	if (!Address)
	{
		FailDelayLoad(Function, ProcedureNotFoundException, "procedure not found");
	}
	Slot.store(Address, std::memory_order_release);
	return Address;
}

template <class FunctionType, class... ArgTypes>
decltype(auto) CallDelayLoaded(std::atomic<void*>& Slot, const char* Function, ArgTypes... Args)
{
	return reinterpret_cast<FunctionType*>(Bind(Slot, Function))(Args...);
}

// The stand-in's own queries are not Steam exports: without the DLL there is no Steam, so nothing is
// pending and nothing was called. The DLL's function, or null while it is not loaded.
template <class FunctionType>
FunctionType* FindStandinQuery(const char* Function)
{
	void* Module = FindLoadedDll();
	if (!Module)
	{
		return nullptr;
	}
	void* Address = ::dlsym(Module, Function);
	::dlclose(Module);
	return reinterpret_cast<FunctionType*>(Address);
}
} // namespace

S_API bool S_CALLTYPE SteamAPI_Init()
{
	static std::atomic<void*> Slot;
	return CallDelayLoaded<decltype(SteamAPI_Init)>(Slot, "SteamAPI_Init");
}

S_API void S_CALLTYPE SteamAPI_Shutdown()
{
	static std::atomic<void*> Slot;
	CallDelayLoaded<decltype(SteamAPI_Shutdown)>(Slot, "SteamAPI_Shutdown");
}

S_API void S_CALLTYPE SteamAPI_RunCallbacks()
{
	static std::atomic<void*> Slot;
	CallDelayLoaded<decltype(SteamAPI_RunCallbacks)>(Slot, "SteamAPI_RunCallbacks");
}

S_API void S_CALLTYPE SteamAPI_RegisterCallResult(CCallbackBase* pCallback, SteamAPICall_t hAPICall)
{
	static std::atomic<void*> Slot;
	CallDelayLoaded<decltype(SteamAPI_RegisterCallResult)>(Slot, "SteamAPI_RegisterCallResult", pCallback, hAPICall);
}

S_API void S_CALLTYPE SteamAPI_UnregisterCallResult(CCallbackBase* pCallback, SteamAPICall_t hAPICall)
{
	static std::atomic<void*> Slot;
	CallDelayLoaded<decltype(SteamAPI_UnregisterCallResult)>(Slot, "SteamAPI_UnregisterCallResult", pCallback, hAPICall);
}

S_API HSteamPipe S_CALLTYPE SteamAPI_GetHSteamPipe()
{
	static std::atomic<void*> Slot;
	return CallDelayLoaded<decltype(SteamAPI_GetHSteamPipe)>(Slot, "SteamAPI_GetHSteamPipe");
}

S_API HSteamUser S_CALLTYPE SteamAPI_GetHSteamUser()
{
	static std::atomic<void*> Slot;
	return CallDelayLoaded<decltype(SteamAPI_GetHSteamUser)>(Slot, "SteamAPI_GetHSteamUser");
}

S_API void* S_CALLTYPE SteamInternal_ContextInit(void* pContextInitData)
{
	static std::atomic<void*> Slot;
	return CallDelayLoaded<decltype(SteamInternal_ContextInit)>(Slot, "SteamInternal_ContextInit", pContextInitData);
}

S_API void* S_CALLTYPE SteamInternal_CreateInterface(const char* ver)
{
	static std::atomic<void*> Slot;
	return CallDelayLoaded<decltype(SteamInternal_CreateInterface)>(Slot, "SteamInternal_CreateInterface", ver);
}

S_API bool S_CALLTYPE SteamStandin_HasPendingResults()
{
	auto* Query = FindStandinQuery<decltype(SteamStandin_HasPendingResults)>("SteamStandin_HasPendingResults");
	return Query && Query();
}

S_API int32 S_CALLTYPE SteamStandin_GetApiCalls(SteamStandin_ApiCall_t* pCalls, int32 nMaxCalls)
{
	auto* Query = FindStandinQuery<decltype(SteamStandin_GetApiCalls)>("SteamStandin_GetApiCalls");
	return Query ? Query(pCalls, nMaxCalls) : 0;
}

S_API void S_CALLTYPE SteamStandin_ClearApiCalls()
{
	if (auto* Query = FindStandinQuery<decltype(SteamStandin_ClearApiCalls)>("SteamStandin_ClearApiCalls"))
	{
		Query();
	}
}
