#include "SteamClient.h"

#include "ApiCalls.h"
#include "AppInstall.h"
#include "ClientConfig.h"
#include "Log.h"
#include "Session.h"
#include "SteamUgc.h"
#include "steam/steam_api.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace SteamStandin
{
namespace
{
class SteamFriendsStandin final : public ISteamFriends
{
public:
	const char* GetPersonaName() override
	{
		RecordApiCall("ISteamFriends::GetPersonaName");
		std::lock_guard Lock(Mutex);
		Name = SignedInUser();
		return Name.c_str();
	}

	void ActivateGameOverlayToWebPage(const char* pchURL) override
	{
		RecordApiCall("ISteamFriends::ActivateGameOverlayToWebPage");
		if (!pchURL)
		{
			LogWarning("ActivateGameOverlayToWebPage: no URL");
			return;
		}
		Log(std::string("Overlay opened ") + pchURL);
	}

private:
	std::mutex Mutex;
	std::string Name;
};

class SteamUtilsStandin final : public ISteamUtils
{
public:
	uint32 GetAppID() override
	{
		RecordApiCall("ISteamUtils::GetAppID");
		return RunningAppId();
	}
};

class SteamAppsStandin final : public ISteamApps
{
public:
	uint32 GetAppInstallDir(AppId_t appID, char* pchFolder, uint32 cchFolderBufferSize) override
	{
		RecordApiCall("ISteamApps::GetAppInstallDir");
		ClientConfig Config;
		std::string Error;
		const std::string Folder = LoadClientConfig(Config, Error) ? FindAppInstallFolder(appID, Config) : std::string();
		if (!pchFolder || cchFolderBufferSize == 0)
		{
			return 0;
		}
		if (Folder.empty())
		{
			pchFolder[0] = '\0';
			return 0;
		}
		const size_t Copied = std::min<size_t>(Folder.size(), cchFolderBufferSize - 1);
		std::memcpy(pchFolder, Folder.data(), Copied);
		pchFolder[Copied] = '\0';
		return static_cast<uint32>(Copied + 1);
	}
};

// Interfaces the plugin never calls: objects without methods, so CSteamAPIContext::Init finds one.
template <class I>
class Unused final : public I
{
};

class SteamClientStandin final : public ISteamClient
{
public:
	ISteamUser* GetISteamUser(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamUser");
		return Serve(User, Pipe, Version, STEAMUSER_INTERFACE_VERSION, &User_);
	}
	ISteamFriends* GetISteamFriends(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamFriends");
		return Serve(User, Pipe, Version, STEAMFRIENDS_INTERFACE_VERSION, &Friends);
	}
	ISteamUtils* GetISteamUtils(HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamUtils");
		return Serve(CurrentUser(), Pipe, Version, STEAMUTILS_INTERFACE_VERSION, &Utils);
	}
	ISteamMatchmaking* GetISteamMatchmaking(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamMatchmaking");
		return Serve(User, Pipe, Version, STEAMMATCHMAKING_INTERFACE_VERSION, &Matchmaking);
	}
	ISteamMatchmakingServers* GetISteamMatchmakingServers(HSteamUser User, HSteamPipe Pipe,
														  const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamMatchmakingServers");
		return Serve(User, Pipe, Version, STEAMMATCHMAKINGSERVERS_INTERFACE_VERSION, &MatchmakingServers);
	}
	ISteamUserStats* GetISteamUserStats(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamUserStats");
		return Serve(User, Pipe, Version, STEAMUSERSTATS_INTERFACE_VERSION, &UserStats);
	}
	ISteamApps* GetISteamApps(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamApps");
		return Serve(User, Pipe, Version, STEAMAPPS_INTERFACE_VERSION, &Apps);
	}
	ISteamNetworking* GetISteamNetworking(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamNetworking");
		return Serve(User, Pipe, Version, STEAMNETWORKING_INTERFACE_VERSION, &Networking);
	}
	ISteamRemoteStorage* GetISteamRemoteStorage(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamRemoteStorage");
		return Serve(User, Pipe, Version, STEAMREMOTESTORAGE_INTERFACE_VERSION, &RemoteStorage);
	}
	ISteamScreenshots* GetISteamScreenshots(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamScreenshots");
		return Serve(User, Pipe, Version, STEAMSCREENSHOTS_INTERFACE_VERSION, &Screenshots);
	}
	ISteamHTTP* GetISteamHTTP(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamHTTP");
		return Serve(User, Pipe, Version, STEAMHTTP_INTERFACE_VERSION, &Http);
	}
	ISteamUnifiedMessages* GetISteamUnifiedMessages(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamUnifiedMessages");
		return Serve(User, Pipe, Version, STEAMUNIFIEDMESSAGES_INTERFACE_VERSION, &UnifiedMessages);
	}
	ISteamController* GetISteamController(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamController");
		return Serve(User, Pipe, Version, STEAMCONTROLLER_INTERFACE_VERSION, &Controller);
	}
	ISteamUGC* GetISteamUGC(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamUGC");
		return Serve(User, Pipe, Version, STEAMUGC_INTERFACE_VERSION, &Ugc());
	}
	ISteamAppList* GetISteamAppList(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamAppList");
		return Serve(User, Pipe, Version, STEAMAPPLIST_INTERFACE_VERSION, &AppList);
	}
	ISteamMusic* GetISteamMusic(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamMusic");
		return Serve(User, Pipe, Version, STEAMMUSIC_INTERFACE_VERSION, &Music);
	}
	ISteamMusicRemote* GetISteamMusicRemote(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamMusicRemote");
		return Serve(User, Pipe, Version, STEAMMUSICREMOTE_INTERFACE_VERSION, &MusicRemote);
	}
	ISteamHTMLSurface* GetISteamHTMLSurface(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamHTMLSurface");
		return Serve(User, Pipe, Version, STEAMHTMLSURFACE_INTERFACE_VERSION, &HtmlSurface);
	}
	ISteamInventory* GetISteamInventory(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamInventory");
		return Serve(User, Pipe, Version, STEAMINVENTORY_INTERFACE_VERSION, &Inventory);
	}
	ISteamVideo* GetISteamVideo(HSteamUser User, HSteamPipe Pipe, const char* Version) override
	{
		RecordApiCall("ISteamClient::GetISteamVideo");
		return Serve(User, Pipe, Version, STEAMVIDEO_INTERFACE_VERSION, &Video);
	}

private:
	// An interface is handed out for a live pipe and user, for exactly its SDK 1.39 version, unless
	// client.json withholds that version.
	template <class Object>
	Object* Serve(HSteamUser User, HSteamPipe Pipe, const char* Asked, const char* Served, Object* Instance)
	{
		if (!Pipe || Pipe != CurrentPipe() || User != CurrentUser() || !Asked)
		{
			return nullptr;
		}
		if (std::strcmp(Asked, Served) != 0)
		{
			LogWarning(std::string("the client has no interface ") + Asked + " (it serves " + Served + ")");
			return nullptr;
		}
		ClientConfig Config;
		std::string Error;
		if (!LoadClientConfig(Config, Error) || Config.IsWithheld(Served))
		{
			return nullptr;
		}
		return Instance;
	}

	Unused<ISteamUser> User_;
	SteamFriendsStandin Friends;
	SteamUtilsStandin Utils;
	Unused<ISteamMatchmaking> Matchmaking;
	Unused<ISteamMatchmakingServers> MatchmakingServers;
	Unused<ISteamUserStats> UserStats;
	SteamAppsStandin Apps;
	Unused<ISteamNetworking> Networking;
	Unused<ISteamRemoteStorage> RemoteStorage;
	Unused<ISteamScreenshots> Screenshots;
	Unused<ISteamHTTP> Http;
	Unused<ISteamUnifiedMessages> UnifiedMessages;
	Unused<ISteamController> Controller;
	Unused<ISteamAppList> AppList;
	Unused<ISteamMusic> Music;
	Unused<ISteamMusicRemote> MusicRemote;
	Unused<ISteamHTMLSurface> HtmlSurface;
	Unused<ISteamInventory> Inventory;
	Unused<ISteamVideo> Video;
};
} // namespace

ISteamClient* ClientFor(const char* Version)
{
	static SteamClientStandin Client;
	if (!Version || std::strcmp(Version, STEAMCLIENT_INTERFACE_VERSION) != 0)
	{
		return nullptr;
	}
	ClientConfig Config;
	std::string Error;
	if (!LoadClientConfig(Config, Error) || Config.IsWithheld(STEAMCLIENT_INTERFACE_VERSION))
	{
		return nullptr;
	}
	return &Client;
}
} // namespace SteamStandin
