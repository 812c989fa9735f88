// How the plugin reaches Steam: every call and every call-result registration on the game thread (the
// thread that pumps Steam's callbacks), and nothing sent when the Workshop interface is missing.
#include <algorithm>
#include <set>

#include <gmock/gmock.h>

#include "SteamStandin.h"
#include "WorkshopTest.h"

using namespace LevelwrightTest;
using ::testing::Contains;
using ::testing::IsEmpty;

namespace
{
class FSteamAccessTest : public FWorkshopTest
{
protected:
	std::set<std::string> FunctionsCalled() const
	{
		std::set<std::string> Names;
		for (const SteamStandin_ApiCall_t& Call : SteamStandin_ApiCalls())
		{
			Names.insert(Call.m_szFunction);
		}
		return Names;
	}

	// "<function> on thread <id>" for each call made on another thread than this test's, the game thread.
	std::vector<std::string> CallsOffTheGameThread() const
	{
		std::vector<std::string> Off;
		for (const SteamStandin_ApiCall_t& Call : SteamStandin_ApiCalls())
		{
			if (Call.m_ulThreadId != SteamStandin_ThisThreadId())
			{
				Off.push_back(std::string(Call.m_szFunction) + " on thread " + std::to_string(Call.m_ulThreadId));
			}
		}
		return Off;
	}
};
} // namespace

TEST_F(FSteamAccessTest, EverySteamCallIsMadeOnTheGameThread)
{
	WriteSampleWorkshopMap(SampleItemId);
	FUGCInterface& Workshop = StartWorkshop();
	SteamStandin_ClearApiCalls();

	// The submission cooks and packs on a worker; its Steam step comes back to the game thread.
	Module().RequestSubmit();
	ASSERT_TRUE(WaitIdle());
	Workshop.SyncMetadata();
	ASSERT_TRUE(WaitIdle());
	// Creation is offered only to a project without an item.
	Workshop.ItemId = 0;
	Workshop.CreateItem();
	ASSERT_TRUE(WaitIdle());
	Workshop.OpenItemPage();

	ASSERT_TRUE(BoxShown("Drovik Workshop", "Successfully submited to the workshop!"));
	const std::set<std::string> Called = FunctionsCalled();
	for (const char* Expected : {"ISteamUGC::StartItemUpdate", "ISteamUGC::SetItemContent", "ISteamUGC::SubmitItemUpdate", "ISteamUGC::CreateItem",
								 "SteamAPI_RegisterCallResult", "SteamAPI_RunCallbacks", "ISteamFriends::ActivateGameOverlayToWebPage"})
	{
		EXPECT_THAT(Called, Contains(Expected));
	}
	EXPECT_THAT(CallsOffTheGameThread(), IsEmpty());
}

// Steam runs but does not hand out its Workshop interface: submission and sync say so and end, as
// creation always did; nothing is left waiting and the editor goes on.
TEST_F(FSteamAccessTest, WithoutTheWorkshopInterfaceNothingIsSentAndNothingWaits)
{
	WriteSampleWorkshopMap(SampleItemId);
	Machine.SetClient("withheldInterfaces", "[\"STEAMUGC_INTERFACE_VERSION009\"]");
	FUGCInterface& Workshop = StartWorkshop();
	const FJson ItemBefore = ReadItem(SampleItemId);

	Workshop.SyncMetadata();
	EXPECT_FALSE(Workshop.bRequestPending);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Failed to sync: Steam's Workshop interface is not available"));

	Module().RequestSubmit();
	ASSERT_TRUE(WaitIdle());
	EXPECT_FALSE(Module().bBusy.load());
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Workshop submission failed: Steam's Workshop interface is not available"));

	Workshop.ItemId = 0;
	Workshop.CreateItem();
	EXPECT_FALSE(Workshop.bRequestPending);
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: Steam doesn't seem to be loaded SteamUGC() returned a nullptr"));
	EXPECT_EQ(ReadItem(SampleItemId), ItemBefore);
	EXPECT_FALSE(BoxShown("Drovik Workshop", "Successfully submited to the workshop!"));
}
