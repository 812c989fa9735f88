// The Steamworks API of SDK 1.39 (steam_api64): start-up, the callback pump, call results and the
// per-module interface context. The subset the plugin uses, with the SDK's names and semantics.
#pragma once

#include "steam/isteamapplist.h"
#include "steam/isteamapps.h"
#include "steam/isteamclient.h"
#include "steam/isteamcontroller.h"
#include "steam/isteamfriends.h"
#include "steam/isteamhtmlsurface.h"
#include "steam/isteamhttp.h"
#include "steam/isteaminventory.h"
#include "steam/isteammatchmaking.h"
#include "steam/isteammusic.h"
#include "steam/isteammusicremote.h"
#include "steam/isteamnetworking.h"
#include "steam/isteamremotestorage.h"
#include "steam/isteamscreenshots.h"
#include "steam/isteamugc.h"
#include "steam/isteamunifiedmessages.h"
#include "steam/isteamuser.h"
#include "steam/isteamuserstats.h"
#include "steam/isteamutils.h"
#include "steam/isteamvideo.h"

// Connects to the running Steam client for the app named in ./steam_appid.txt. False when the
// client does not run or the app id is unknown.
S_API bool S_CALLTYPE SteamAPI_Init();
S_API void S_CALLTYPE SteamAPI_Shutdown();

// Delivers the results that have arrived, on the calling thread, before it returns.
S_API void S_CALLTYPE SteamAPI_RunCallbacks();

class CCallbackBase;
S_API void S_CALLTYPE SteamAPI_RegisterCallResult(class CCallbackBase* pCallback, SteamAPICall_t hAPICall);
S_API void S_CALLTYPE SteamAPI_UnregisterCallResult(class CCallbackBase* pCallback, SteamAPICall_t hAPICall);

// 0 while the API is not initialised.
S_API HSteamPipe S_CALLTYPE SteamAPI_GetHSteamPipe();
S_API HSteamUser S_CALLTYPE SteamAPI_GetHSteamUser();

// Base of everything Steam hands a result to. The library fills the flags; the id names the result
// record the holder expects.
class CCallbackBase
{
public:
	CCallbackBase()
	{
		m_nCallbackFlags = 0;
		m_iCallback = 0;
	}
	virtual void Run(void* pvParam) = 0;
	virtual void Run(void* pvParam, bool bIOFailure, SteamAPICall_t hSteamAPICall) = 0;
	int GetICallback()
	{
		return m_iCallback;
	}
	virtual int GetCallbackSizeBytes() = 0;

protected:
	enum
	{
		k_ECallbackFlagsRegistered = 0x01,
		k_ECallbackFlagsGameServer = 0x02
	};
	uint8 m_nCallbackFlags;
	int m_iCallback;
	friend class CCallbackMgr;

private:
	CCallbackBase(const CCallbackBase&);
	CCallbackBase& operator=(const CCallbackBase&);
};

// Holder for the result of one asynchronous call: Set arms it with a call handle, and the owner's
// handler runs inside a later SteamAPI_RunCallbacks with the result record P.
template <class T, class P>
class CCallResult : private CCallbackBase
{
public:
	typedef void (T::*func_t)(P*, bool);

	CCallResult();
	~CCallResult();

	void Set(SteamAPICall_t hAPICall, T* p, func_t func);
	bool IsActive() const;
	void Cancel();
	void SetGameserverFlag()
	{
		m_nCallbackFlags |= k_ECallbackFlagsGameServer;
	}

private:
	virtual void Run(void* pvParam);
	virtual void Run(void* pvParam, bool bIOFailure, SteamAPICall_t hSteamAPICall);
	int GetCallbackSizeBytes()
	{
		return sizeof(P);
	}

	SteamAPICall_t m_hAPICall;
	T* m_pObj;
	func_t m_Func;
};

// The interfaces of one module, acquired from the client in a fixed order (see Init).
class CSteamAPIContext
{
public:
	CSteamAPIContext()
	{
		Clear();
	}
	void Clear();
	bool Init();

	ISteamClient* SteamClient() const { return m_pSteamClient; }
	ISteamUser* SteamUser() const { return m_pSteamUser; }
	ISteamFriends* SteamFriends() const { return m_pSteamFriends; }
	ISteamUtils* SteamUtils() const { return m_pSteamUtils; }
	ISteamMatchmaking* SteamMatchmaking() const { return m_pSteamMatchmaking; }
	ISteamMatchmakingServers* SteamMatchmakingServers() const { return m_pSteamMatchmakingServers; }
	ISteamUserStats* SteamUserStats() const { return m_pSteamUserStats; }
	ISteamApps* SteamApps() const { return m_pSteamApps; }
	ISteamNetworking* SteamNetworking() const { return m_pSteamNetworking; }
	ISteamRemoteStorage* SteamRemoteStorage() const { return m_pSteamRemoteStorage; }
	ISteamScreenshots* SteamScreenshots() const { return m_pSteamScreenshots; }
	ISteamHTTP* SteamHTTP() const { return m_pSteamHTTP; }
	ISteamUnifiedMessages* SteamUnifiedMessages() const { return m_pSteamUnifiedMessages; }
	ISteamController* SteamController() const { return m_pController; }
	ISteamUGC* SteamUGC() const { return m_pSteamUGC; }
	ISteamAppList* SteamAppList() const { return m_pSteamAppList; }
	ISteamMusic* SteamMusic() const { return m_pSteamMusic; }
	ISteamMusicRemote* SteamMusicRemote() const { return m_pSteamMusicRemote; }
	ISteamHTMLSurface* SteamHTMLSurface() const { return m_pSteamHTMLSurface; }
	ISteamInventory* SteamInventory() const { return m_pSteamInventory; }
	ISteamVideo* SteamVideo() const { return m_pSteamVideo; }

private:
	// Pointers only: a zero-filled static block is a valid, empty context (steam_api_internal.h).
	ISteamClient* m_pSteamClient;
	ISteamUser* m_pSteamUser;
	ISteamFriends* m_pSteamFriends;
	ISteamUtils* m_pSteamUtils;
	ISteamMatchmaking* m_pSteamMatchmaking;
	ISteamMatchmakingServers* m_pSteamMatchmakingServers;
	ISteamUserStats* m_pSteamUserStats;
	ISteamApps* m_pSteamApps;
	ISteamNetworking* m_pSteamNetworking;
	ISteamRemoteStorage* m_pSteamRemoteStorage;
	ISteamScreenshots* m_pSteamScreenshots;
	ISteamHTTP* m_pSteamHTTP;
	ISteamUnifiedMessages* m_pSteamUnifiedMessages;
	ISteamController* m_pController;
	ISteamUGC* m_pSteamUGC;
	ISteamAppList* m_pSteamAppList;
	ISteamMusic* m_pSteamMusic;
	ISteamMusicRemote* m_pSteamMusicRemote;
	ISteamHTMLSurface* m_pSteamHTMLSurface;
	ISteamInventory* m_pSteamInventory;
	ISteamVideo* m_pSteamVideo;
};

#include "steam/steam_api_internal.h"

// The module's interfaces; null while Steam is not initialised (or the client lacks the version).
inline ISteamClient* SteamClient() { return SteamInternal_ModuleContext().SteamClient(); }
inline ISteamUser* SteamUser() { return SteamInternal_ModuleContext().SteamUser(); }
inline ISteamFriends* SteamFriends() { return SteamInternal_ModuleContext().SteamFriends(); }
inline ISteamUtils* SteamUtils() { return SteamInternal_ModuleContext().SteamUtils(); }
inline ISteamApps* SteamApps() { return SteamInternal_ModuleContext().SteamApps(); }
inline ISteamRemoteStorage* SteamRemoteStorage() { return SteamInternal_ModuleContext().SteamRemoteStorage(); }
inline ISteamUGC* SteamUGC() { return SteamInternal_ModuleContext().SteamUGC(); }
