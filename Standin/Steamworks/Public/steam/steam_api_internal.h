// Inline parts of steam_api.h (SDK 1.39): the per-module context block and CCallResult's methods.
#pragma once

S_API void* S_CALLTYPE SteamInternal_ContextInit(void* pContextInitData);
S_API void* S_CALLTYPE SteamInternal_CreateInterface(const char* ver);

inline void CSteamAPIContext::Clear()
{
	m_pSteamClient = nullptr;
	m_pSteamUser = nullptr;
	m_pSteamFriends = nullptr;
	m_pSteamUtils = nullptr;
	m_pSteamMatchmaking = nullptr;
	m_pSteamMatchmakingServers = nullptr;
	m_pSteamUserStats = nullptr;
	m_pSteamApps = nullptr;
	m_pSteamNetworking = nullptr;
	m_pSteamRemoteStorage = nullptr;
	m_pSteamScreenshots = nullptr;
	m_pSteamHTTP = nullptr;
	m_pSteamUnifiedMessages = nullptr;
	m_pController = nullptr;
	m_pSteamUGC = nullptr;
	m_pSteamAppList = nullptr;
	m_pSteamMusic = nullptr;
	m_pSteamMusicRemote = nullptr;
	m_pSteamHTMLSurface = nullptr;
	m_pSteamInventory = nullptr;
	m_pSteamVideo = nullptr;
}

// Acquires the interfaces in the SDK's order and stops at the first one the client does not hand
// out (the later entries stay null).
inline bool CSteamAPIContext::Init()
{
	Clear();
	const HSteamUser hSteamUser = SteamAPI_GetHSteamUser();
	const HSteamPipe hSteamPipe = SteamAPI_GetHSteamPipe();
	if (!hSteamPipe)
	{
		return false;
	}
	m_pSteamClient = static_cast<ISteamClient*>(SteamInternal_CreateInterface(STEAMCLIENT_INTERFACE_VERSION));
	if (!m_pSteamClient)
	{
		return false;
	}
	ISteamClient* Client = m_pSteamClient;
	return (m_pSteamUser = Client->GetISteamUser(hSteamUser, hSteamPipe, STEAMUSER_INTERFACE_VERSION)) &&
		   (m_pSteamFriends = Client->GetISteamFriends(hSteamUser, hSteamPipe, STEAMFRIENDS_INTERFACE_VERSION)) &&
		   (m_pSteamUtils = Client->GetISteamUtils(hSteamPipe, STEAMUTILS_INTERFACE_VERSION)) &&
		   (m_pSteamMatchmaking =
				Client->GetISteamMatchmaking(hSteamUser, hSteamPipe, STEAMMATCHMAKING_INTERFACE_VERSION)) &&
		   (m_pSteamMatchmakingServers = Client->GetISteamMatchmakingServers(
				hSteamUser, hSteamPipe, STEAMMATCHMAKINGSERVERS_INTERFACE_VERSION)) &&
		   (m_pSteamUserStats = Client->GetISteamUserStats(hSteamUser, hSteamPipe, STEAMUSERSTATS_INTERFACE_VERSION)) &&
		   (m_pSteamApps = Client->GetISteamApps(hSteamUser, hSteamPipe, STEAMAPPS_INTERFACE_VERSION)) &&
		   (m_pSteamNetworking =
				Client->GetISteamNetworking(hSteamUser, hSteamPipe, STEAMNETWORKING_INTERFACE_VERSION)) &&
		   (m_pSteamRemoteStorage =
				Client->GetISteamRemoteStorage(hSteamUser, hSteamPipe, STEAMREMOTESTORAGE_INTERFACE_VERSION)) &&
		   (m_pSteamScreenshots =
				Client->GetISteamScreenshots(hSteamUser, hSteamPipe, STEAMSCREENSHOTS_INTERFACE_VERSION)) &&
		   (m_pSteamHTTP = Client->GetISteamHTTP(hSteamUser, hSteamPipe, STEAMHTTP_INTERFACE_VERSION)) &&
		   (m_pSteamUnifiedMessages =
				Client->GetISteamUnifiedMessages(hSteamUser, hSteamPipe, STEAMUNIFIEDMESSAGES_INTERFACE_VERSION)) &&
		   (m_pController = Client->GetISteamController(hSteamUser, hSteamPipe, STEAMCONTROLLER_INTERFACE_VERSION)) &&
		   (m_pSteamUGC = Client->GetISteamUGC(hSteamUser, hSteamPipe, STEAMUGC_INTERFACE_VERSION)) &&
		   (m_pSteamAppList = Client->GetISteamAppList(hSteamUser, hSteamPipe, STEAMAPPLIST_INTERFACE_VERSION)) &&
		   (m_pSteamMusic = Client->GetISteamMusic(hSteamUser, hSteamPipe, STEAMMUSIC_INTERFACE_VERSION)) &&
		   (m_pSteamMusicRemote =
				Client->GetISteamMusicRemote(hSteamUser, hSteamPipe, STEAMMUSICREMOTE_INTERFACE_VERSION)) &&
		   (m_pSteamHTMLSurface =
				Client->GetISteamHTMLSurface(hSteamUser, hSteamPipe, STEAMHTMLSURFACE_INTERFACE_VERSION)) &&
		   (m_pSteamInventory = Client->GetISteamInventory(hSteamUser, hSteamPipe, STEAMINVENTORY_INTERFACE_VERSION)) &&
		   (m_pSteamVideo = Client->GetISteamVideo(hSteamUser, hSteamPipe, STEAMVIDEO_INTERFACE_VERSION));
}

// The routine the library runs (through SteamInternal_ContextInit) whenever the module's table must
// be filled: after start-up, and again after each SteamAPI_Init or SteamAPI_Shutdown.
inline void S_CALLTYPE SteamInternal_OnContextInit(void* p)
{
	static_cast<CSteamAPIContext*>(p)->Init();
}

// One block per module: { init routine, the library's counter, CSteamAPIContext }. The library
// returns the address of the context, the block plus two pointers.
inline CSteamAPIContext& SteamInternal_ModuleContext()
{
	static void* s_CallbackCounterAndContext[2 + sizeof(CSteamAPIContext) / sizeof(void*)] = {
		reinterpret_cast<void*>(&SteamInternal_OnContextInit), nullptr};
	return *static_cast<CSteamAPIContext*>(SteamInternal_ContextInit(s_CallbackCounterAndContext));
}

template <class T, class P>
inline CCallResult<T, P>::CCallResult()
{
	m_hAPICall = k_uAPICallInvalid;
	m_pObj = nullptr;
	m_Func = nullptr;
	m_iCallback = P::k_iCallback;
}

template <class T, class P>
inline CCallResult<T, P>::~CCallResult()
{
	Cancel();
}

// Drops a pending call (its result is then never handed over) and arms the holder with the new one;
// a handle of 0 (Steam refused the request) registers nothing.
template <class T, class P>
inline void CCallResult<T, P>::Set(SteamAPICall_t hAPICall, T* p, func_t func)
{
	if (m_hAPICall)
	{
		SteamAPI_UnregisterCallResult(this, m_hAPICall);
	}
	m_hAPICall = hAPICall;
	m_pObj = p;
	m_Func = func;
	if (hAPICall)
	{
		SteamAPI_RegisterCallResult(this, hAPICall);
	}
}

template <class T, class P>
inline bool CCallResult<T, P>::IsActive() const
{
	return m_hAPICall != k_uAPICallInvalid;
}

template <class T, class P>
inline void CCallResult<T, P>::Cancel()
{
	if (m_hAPICall != k_uAPICallInvalid)
	{
		SteamAPI_UnregisterCallResult(this, m_hAPICall);
		m_hAPICall = k_uAPICallInvalid;
	}
}

template <class T, class P>
inline void CCallResult<T, P>::Run(void* pvParam)
{
	m_hAPICall = k_uAPICallInvalid;
	(m_pObj->*m_Func)(static_cast<P*>(pvParam), false);
}

// The pending handle is cleared before the handler runs, so the handler may arm the holder again.
template <class T, class P>
inline void CCallResult<T, P>::Run(void* pvParam, bool bIOFailure, SteamAPICall_t hSteamAPICall)
{
	if (hSteamAPICall == m_hAPICall)
	{
		m_hAPICall = k_uAPICallInvalid;
		(m_pObj->*m_Func)(static_cast<P*>(pvParam), bIOFailure);
	}
}
