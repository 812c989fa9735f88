// The stand-in's record of which thread called which API function (SteamStandin.h).
#include "SteamMachine.h"
#include "SteamStandin.h"

#include <algorithm>
#include <cstring>
#include <gmock/gmock.h>
#include <thread>

namespace
{
class SteamApiCallRecordTest : public SteamMachineTest
{
protected:
	void SetUp() override
	{
		SteamMachineTest::SetUp();
		SteamStandin_ClearApiCalls();
	}

	// Calls of Function by Thread (0 when there are none).
	static uint64 CallsOf(const std::vector<SteamStandin_ApiCall_t>& Record, const char* Function, uint64 Thread)
	{
		for (const SteamStandin_ApiCall_t& Entry : Record)
		{
			if (std::strcmp(Entry.m_szFunction, Function) == 0 && Entry.m_ulThreadId == Thread)
			{
				return Entry.m_ulCalls;
			}
		}
		return 0;
	}

	static std::vector<std::string> Functions(const std::vector<SteamStandin_ApiCall_t>& Record)
	{
		std::vector<std::string> Names;
		for (const SteamStandin_ApiCall_t& Entry : Record)
		{
			Names.emplace_back(Entry.m_szFunction);
		}
		return Names;
	}

	const uint64 GameThread = SteamStandin_ThisThreadId();
};

using testing::ElementsAre;
} // namespace

TEST_F(SteamApiCallRecordTest, EachFunctionAndThreadInTheOrderOfTheirFirstCall)
{
	ASSERT_TRUE(SteamAPI_Init());
	SteamAPI_RunCallbacks();
	SteamAPI_RunCallbacks();
	SteamAPI_RunCallbacks();
	const std::vector<SteamStandin_ApiCall_t> Record = SteamStandin_ApiCalls();
	EXPECT_THAT(Functions(Record), ElementsAre("SteamAPI_Init", "SteamAPI_RunCallbacks"));
	EXPECT_EQ(CallsOf(Record, "SteamAPI_Init", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "SteamAPI_RunCallbacks", GameThread), 3u);
}

TEST_F(SteamApiCallRecordTest, AnotherThreadGetsEntriesOfItsOwn)
{
	StartSteam();
	uint64 Worker = 0;
	UGCUpdateHandle_t Update = k_UGCUpdateHandleInvalid;
	std::thread([&] {
		Worker = SteamStandin_ThisThreadId();
		Update = SteamUGC()->StartItemUpdate(DrovikAppId, 2000000001);
		SteamUGC()->SetItemTitle(Update, "From a worker");
	}).join();
	SteamUGC()->GetItemUpdateProgress(Update, nullptr, nullptr);

	ASSERT_NE(Worker, GameThread);
	const std::vector<SteamStandin_ApiCall_t> Record = SteamStandin_ApiCalls();
	EXPECT_EQ(CallsOf(Record, "ISteamUGC::StartItemUpdate", Worker), 1u);
	EXPECT_EQ(CallsOf(Record, "ISteamUGC::SetItemTitle", Worker), 1u);
	EXPECT_EQ(CallsOf(Record, "ISteamUGC::StartItemUpdate", GameThread), 0u);
	EXPECT_EQ(CallsOf(Record, "ISteamUGC::GetItemUpdateProgress", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "ISteamUGC::GetItemUpdateProgress", Worker), 0u);
	// The worker's accessor reached the library as well.
	EXPECT_GE(CallsOf(Record, "SteamInternal_ContextInit", Worker), 2u);
}

TEST_F(SteamApiCallRecordTest, AccessorsRecordTheContextAndItsRefill)
{
	ASSERT_TRUE(SteamAPI_Init());
	ASSERT_NE(SteamUGC(), nullptr);
	const std::vector<SteamStandin_ApiCall_t> Record = SteamStandin_ApiCalls();
	// After SteamAPI_Init the module's context is filled again, through the client.
	for (const char* Function : {"SteamInternal_ContextInit", "SteamAPI_GetHSteamUser", "SteamAPI_GetHSteamPipe",
								 "SteamInternal_CreateInterface", "ISteamClient::GetISteamUser", "ISteamClient::GetISteamUGC",
								 "ISteamClient::GetISteamVideo"})
	{
		EXPECT_EQ(CallsOf(Record, Function, GameThread), 1u) << Function;
	}
	SteamStandin_ClearApiCalls();
	SteamUGC();
	SteamApps();
	EXPECT_THAT(Functions(SteamStandin_ApiCalls()), ElementsAre("SteamInternal_ContextInit"));
	EXPECT_EQ(CallsOf(SteamStandin_ApiCalls(), "SteamInternal_ContextInit", GameThread), 2u);
}

TEST_F(SteamApiCallRecordTest, RegistrationDeliveryAndEveryInterface)
{
	StartSteam();
	SteamStandin_ClearApiCalls();
	ResultRecorder Owner;
	{
		CCallResult<ResultRecorder, CreateItemResult_t> Holder;
		Holder.Set(SteamUGC()->CreateItem(DrovikAppId, k_EWorkshopFileTypeCommunity), &Owner, &ResultRecorder::OnCreate);
		Pump(2); // the sample client's resultDelayFrames
		ASSERT_EQ(Owner.CreateCalls, 1);
		Holder.Set(SteamUGC()->CreateItem(DrovikAppId, k_EWorkshopFileTypeCommunity), &Owner, &ResultRecorder::OnCreate);
	} // the holder's destructor cancels the pending call
	char Folder[512];
	SteamApps()->GetAppInstallDir(SteamUtils()->GetAppID(), Folder, sizeof(Folder));
	SteamFriends()->ActivateGameOverlayToWebPage("steam://url/CommunityFilePage/1");
	SteamFriends()->GetPersonaName();
	SteamAPI_Shutdown();

	const std::vector<SteamStandin_ApiCall_t> Record = SteamStandin_ApiCalls();
	EXPECT_EQ(CallsOf(Record, "ISteamUGC::CreateItem", GameThread), 2u);
	EXPECT_EQ(CallsOf(Record, "SteamAPI_RegisterCallResult", GameThread), 2u);
	EXPECT_EQ(CallsOf(Record, "SteamAPI_UnregisterCallResult", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "SteamAPI_RunCallbacks", GameThread), 2u);
	EXPECT_EQ(CallsOf(Record, "ISteamApps::GetAppInstallDir", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "ISteamUtils::GetAppID", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "ISteamFriends::ActivateGameOverlayToWebPage", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "ISteamFriends::GetPersonaName", GameThread), 1u);
	EXPECT_EQ(CallsOf(Record, "SteamAPI_Shutdown", GameThread), 1u);
	for (const SteamStandin_ApiCall_t& Entry : Record)
	{
		EXPECT_EQ(Entry.m_ulThreadId, GameThread) << Entry.m_szFunction;
	}
}

TEST_F(SteamApiCallRecordTest, ClearStartsAfreshAndTheQueriesAreNoApiCalls)
{
	StartSteam();
	EXPECT_FALSE(SteamStandin_ApiCalls().empty());
	SteamStandin_ClearApiCalls();
	EXPECT_TRUE(SteamStandin_ApiCalls().empty());
	SteamStandin_HasPendingResults();
	EXPECT_TRUE(SteamStandin_ApiCalls().empty());
	SteamAPI_RunCallbacks();
	EXPECT_THAT(Functions(SteamStandin_ApiCalls()), ElementsAre("SteamAPI_RunCallbacks"));
}

TEST_F(SteamApiCallRecordTest, ShortBufferGetsThePrefixAndTheFullCount)
{
	StartSteam();
	SteamStandin_ClearApiCalls();
	SteamAPI_RunCallbacks();
	SteamAPI_GetHSteamPipe();
	SteamAPI_GetHSteamUser();
	SteamStandin_ApiCall_t Two[2] = {};
	EXPECT_EQ(SteamStandin_GetApiCalls(Two, 2), 3);
	EXPECT_STREQ(Two[0].m_szFunction, "SteamAPI_RunCallbacks");
	EXPECT_STREQ(Two[1].m_szFunction, "SteamAPI_GetHSteamPipe");
	EXPECT_EQ(SteamStandin_GetApiCalls(nullptr, 0), 3);
}
