// ISteamClient of SDK 1.39 (SteamClient017): hands out the other interfaces by version string.
// Only the accessors that CSteamAPIContext::Init calls are declared.
#pragma once

#include "steam/steamclientpublic.h"
#include "steam/steamtypes.h"

// Result records are packed as on Win64 on every platform we build, so their sizes and offsets are
// the ones the plugin sees on Windows.
#define VALVE_CALLBACK_PACK_LARGE

class ISteamUser;
class ISteamFriends;
class ISteamUtils;
class ISteamMatchmaking;
class ISteamMatchmakingServers;
class ISteamUserStats;
class ISteamApps;
class ISteamNetworking;
class ISteamRemoteStorage;
class ISteamScreenshots;
class ISteamHTTP;
class ISteamUnifiedMessages;
class ISteamController;
class ISteamUGC;
class ISteamAppList;
class ISteamMusic;
class ISteamMusicRemote;
class ISteamHTMLSurface;
class ISteamInventory;
class ISteamVideo;

class ISteamClient
{
public:
	virtual ISteamUser* GetISteamUser(HSteamUser hSteamUser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamFriends* GetISteamFriends(HSteamUser hSteamUser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamUtils* GetISteamUtils(HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamMatchmaking* GetISteamMatchmaking(HSteamUser hSteamUser, HSteamPipe hSteamPipe,
													const char* pchVersion) = 0;
	virtual ISteamMatchmakingServers* GetISteamMatchmakingServers(HSteamUser hSteamUser, HSteamPipe hSteamPipe,
																  const char* pchVersion) = 0;
	virtual ISteamUserStats* GetISteamUserStats(HSteamUser hSteamUser, HSteamPipe hSteamPipe,
												const char* pchVersion) = 0;
	virtual ISteamApps* GetISteamApps(HSteamUser hSteamUser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamNetworking* GetISteamNetworking(HSteamUser hSteamUser, HSteamPipe hSteamPipe,
												  const char* pchVersion) = 0;
	virtual ISteamRemoteStorage* GetISteamRemoteStorage(HSteamUser hSteamuser, HSteamPipe hSteamPipe,
														const char* pchVersion) = 0;
	virtual ISteamScreenshots* GetISteamScreenshots(HSteamUser hSteamuser, HSteamPipe hSteamPipe,
													const char* pchVersion) = 0;
	virtual ISteamHTTP* GetISteamHTTP(HSteamUser hSteamuser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamUnifiedMessages* GetISteamUnifiedMessages(HSteamUser hSteamuser, HSteamPipe hSteamPipe,
															const char* pchVersion) = 0;
	virtual ISteamController* GetISteamController(HSteamUser hSteamUser, HSteamPipe hSteamPipe,
												  const char* pchVersion) = 0;
	virtual ISteamUGC* GetISteamUGC(HSteamUser hSteamUser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamAppList* GetISteamAppList(HSteamUser hSteamUser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamMusic* GetISteamMusic(HSteamUser hSteamuser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
	virtual ISteamMusicRemote* GetISteamMusicRemote(HSteamUser hSteamuser, HSteamPipe hSteamPipe,
													const char* pchVersion) = 0;
	virtual ISteamHTMLSurface* GetISteamHTMLSurface(HSteamUser hSteamuser, HSteamPipe hSteamPipe,
													const char* pchVersion) = 0;
	virtual ISteamInventory* GetISteamInventory(HSteamUser hSteamuser, HSteamPipe hSteamPipe,
												const char* pchVersion) = 0;
	virtual ISteamVideo* GetISteamVideo(HSteamUser hSteamuser, HSteamPipe hSteamPipe, const char* pchVersion) = 0;
};

#define STEAMCLIENT_INTERFACE_VERSION "SteamClient017"

// Callback id bases: a result record's id is its interface's base plus a small number.
enum
{
	k_iSteamUserCallbacks = 100,
	k_iSteamGameServerCallbacks = 200,
	k_iSteamFriendsCallbacks = 300,
	k_iSteamBillingCallbacks = 400,
	k_iSteamMatchmakingCallbacks = 500,
	k_iSteamContentServerCallbacks = 600,
	k_iSteamUtilsCallbacks = 700,
	k_iClientFriendsCallbacks = 800,
	k_iClientUserCallbacks = 900,
	k_iSteamAppsCallbacks = 1000,
	k_iSteamUserStatsCallbacks = 1100,
	k_iSteamNetworkingCallbacks = 1200,
	k_iClientRemoteStorageCallbacks = 1300,
	k_iClientDepotBuilderCallbacks = 1400,
	k_iSteamGameServerItemsCallbacks = 1500,
	k_iClientUtilsCallbacks = 1600,
	k_iSteamGameCoordinatorCallbacks = 1700,
	k_iSteamGameServerStatsCallbacks = 1800,
	k_iSteam2AsyncCallbacks = 1900,
	k_iSteamGameStatsCallbacks = 2000,
	k_iClientHTTPCallbacks = 2100,
	k_iClientScreenshotsCallbacks = 2200,
	k_iSteamScreenshotsCallbacks = 2300,
	k_iClientAudioCallbacks = 2400,
	k_iClientUnifiedMessagesCallbacks = 2500,
	k_iSteamStreamLauncherCallbacks = 2600,
	k_iClientControllerCallbacks = 2700,
	k_iSteamControllerCallbacks = 2800,
	k_iClientParentalSettingsCallbacks = 2900,
	k_iClientDeviceAuthCallbacks = 3000,
	k_iClientNetworkDeviceManagerCallbacks = 3100,
	k_iClientMusicCallbacks = 3200,
	k_iClientRemoteClientManagerCallbacks = 3300,
	k_iClientUGCCallbacks = 3400,
	k_iSteamStreamClientCallbacks = 3500,
	k_IClientProductBuilderCallbacks = 3600,
	k_iClientShortcutsCallbacks = 3700,
	k_iClientRemoteControlManagerCallbacks = 3800,
	k_iSteamAppListCallbacks = 3900,
	k_iSteamMusicCallbacks = 4000,
	k_iSteamMusicRemoteCallbacks = 4100,
	k_iClientVRCallbacks = 4200,
	k_iClientGameNotificationCallbacks = 4300,
	k_iSteamGameNotificationCallbacks = 4400,
	k_iSteamHTMLSurfaceCallbacks = 4500,
	k_iClientVideoCallbacks = 4600,
	k_iClientInventoryCallbacks = 4700,
};
