// SteamAPI_Init, the interface context and the simple interfaces (utils, friends).
#include "SteamMachine.h"
#include "SteamStandin.h"

#include <functional>
#include <vector>

namespace
{
struct TableEntry
{
	const char* Version;
	std::function<const void*(const CSteamAPIContext&)> Get;
};

// The order in which CSteamAPIContext::Init acquires the interfaces.
std::vector<TableEntry> InterfaceTable()
{
	return {
		{STEAMCLIENT_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamClient(); }},
		{STEAMUSER_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamUser(); }},
		{STEAMFRIENDS_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamFriends(); }},
		{STEAMUTILS_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamUtils(); }},
		{STEAMMATCHMAKING_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamMatchmaking(); }},
		{STEAMMATCHMAKINGSERVERS_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamMatchmakingServers(); }},
		{STEAMUSERSTATS_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamUserStats(); }},
		{STEAMAPPS_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamApps(); }},
		{STEAMNETWORKING_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamNetworking(); }},
		{STEAMREMOTESTORAGE_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamRemoteStorage(); }},
		{STEAMSCREENSHOTS_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamScreenshots(); }},
		{STEAMHTTP_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamHTTP(); }},
		{STEAMUNIFIEDMESSAGES_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamUnifiedMessages(); }},
		{STEAMCONTROLLER_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamController(); }},
		{STEAMUGC_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamUGC(); }},
		{STEAMAPPLIST_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamAppList(); }},
		{STEAMMUSIC_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamMusic(); }},
		{STEAMMUSICREMOTE_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamMusicRemote(); }},
		{STEAMHTMLSURFACE_INTERFACE_VERSION,
		 [](const CSteamAPIContext& C) -> const void* { return C.SteamHTMLSurface(); }},
		{STEAMINVENTORY_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamInventory(); }},
		{STEAMVIDEO_INTERFACE_VERSION, [](const CSteamAPIContext& C) -> const void* { return C.SteamVideo(); }},
	};
}
} // namespace

using SteamContextTest = SteamMachineTest;

TEST_F(SteamContextTest, InitFailsWithoutAppIdFile)
{
	std::filesystem::remove(Work / "steam_appid.txt");
	EXPECT_FALSE(SteamAPI_Init());
	EXPECT_EQ(SteamAPI_GetHSteamPipe(), 0);
	EXPECT_EQ(SteamUGC(), nullptr);
}

TEST_F(SteamContextTest, InitFailsWhenTheClientDoesNotRun)
{
	SetClient({{"running", false}});
	EXPECT_FALSE(SteamAPI_Init());
	std::filesystem::remove(ClientFile());
	EXPECT_FALSE(SteamAPI_Init());
	EXPECT_EQ(SteamFriends(), nullptr);
}

TEST_F(SteamContextTest, InitFailsOnAMalformedFault)
{
	SetClient({{"faults", {{"CreateItem", "explode"}}}});
	EXPECT_FALSE(SteamAPI_Init());
}

TEST_F(SteamContextTest, ModuleContextIsFilledAfterInitAndEmptiedByShutdown)
{
	EXPECT_EQ(SteamUGC(), nullptr);
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_NE(SteamUGC(), nullptr);
	EXPECT_NE(SteamFriends(), nullptr);
	EXPECT_NE(SteamUtils(), nullptr);
	EXPECT_NE(SteamApps(), nullptr);
	SteamAPI_Shutdown();
	EXPECT_EQ(SteamUGC(), nullptr);
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_NE(SteamUGC(), nullptr);
}

// Withholding each version in turn shows the order: every interface before it is acquired, it and
// every later one stay null.
TEST_F(SteamContextTest, InitAcquiresInTableOrderAndStopsAtAWithheldInterface)
{
	ASSERT_TRUE(SteamAPI_Init());
	const std::vector<TableEntry> Table = InterfaceTable();
	ASSERT_EQ(Table.size(), 21u);
	CSteamAPIContext Full;
	ASSERT_TRUE(Full.Init());
	for (const TableEntry& Item : Table)
	{
		EXPECT_NE(Item.Get(Full), nullptr) << Item.Version;
	}
	for (size_t Withheld = 0; Withheld < Table.size(); ++Withheld)
	{
		SetClient({{"withheldInterfaces", {Table[Withheld].Version}}});
		CSteamAPIContext Context;
		EXPECT_FALSE(Context.Init()) << Table[Withheld].Version;
		for (size_t I = 0; I < Table.size(); ++I)
		{
			EXPECT_EQ(Table[I].Get(Context) != nullptr, I < Withheld)
				<< "withheld " << Table[Withheld].Version << ", entry " << Table[I].Version;
		}
	}
}

TEST_F(SteamContextTest, ModuleContextWithoutUgcLeavesSteamUgcNull)
{
	SetClient({{"withheldInterfaces", {STEAMUGC_INTERFACE_VERSION}}});
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(SteamUGC(), nullptr);
	EXPECT_NE(SteamApps(), nullptr); // acquired before the UGC interface
}

TEST_F(SteamContextTest, ClientAnswersOnlyItsOwnVersions)
{
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(SteamInternal_CreateInterface("SteamClient016"), nullptr);
	ISteamClient* Client = static_cast<ISteamClient*>(SteamInternal_CreateInterface(STEAMCLIENT_INTERFACE_VERSION));
	ASSERT_NE(Client, nullptr);
	EXPECT_EQ(Client->GetISteamUGC(SteamAPI_GetHSteamUser(), SteamAPI_GetHSteamPipe(), "STEAMUGC_INTERFACE_VERSION008"),
			  nullptr);
	EXPECT_EQ(Client->GetISteamUGC(SteamAPI_GetHSteamUser(), 0, STEAMUGC_INTERFACE_VERSION), nullptr);
}

TEST_F(SteamContextTest, AppIdComesFromTheWorkingFolder)
{
	WriteFile(Work / "steam_appid.txt", "480\n");
	ASSERT_TRUE(SteamAPI_Init());
	EXPECT_EQ(SteamUtils()->GetAppID(), 480u);
}

TEST_F(SteamContextTest, OverlayPrintsTheUrl)
{
	ASSERT_TRUE(SteamAPI_Init());
	testing::internal::CaptureStdout();
	SteamFriends()->ActivateGameOverlayToWebPage("steam://url/CommunityFilePage/2000000001");
	EXPECT_EQ(testing::internal::GetCapturedStdout(),
			  "LogSteamStandin: Overlay opened steam://url/CommunityFilePage/2000000001\n");
	EXPECT_STREQ(SteamFriends()->GetPersonaName(), "MapAuthor");
}
