// Every fault the simulated Steam client can inject, on every request the window makes: the window
// always returns to idle and the Workshop holds nothing half-made. Also results for re-armed holders
// and a module shut down with calls pending (no result may reach a deleted object; run under ASan).
#include <cctype>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <nlohmann/json.hpp>

#include "ReliabilityTest.h"
#include "SteamStandin.h"
#include "UGCInterface/UGCInterface.h"

THIRD_PARTY_INCLUDES_START
#include "steam/steam_api.h"
THIRD_PARTY_INCLUDES_END

namespace fs = std::filesystem;
using namespace LevelwrightTest;

namespace
{
// Every fault client.json can give one request.
const std::vector<std::string> RequestFaults = {"\"refuse\"", "\"ioFailure\"", "2", "8", "9", "15", "16", "25"};
// The same, and "legal" for a client whose user has not accepted the agreement.
const std::vector<std::string> EveryFault = [] {
	std::vector<std::string> All = RequestFaults;
	All.push_back("legal");
	return All;
}();

struct FFaultCase
{
	std::string Operation;
	std::string Fault;
};

std::vector<FFaultCase> Cases(const std::vector<std::string>& Operations, const std::vector<std::string>& Faults)
{
	std::vector<FFaultCase> Result;
	for (const std::string& Operation : Operations)
	{
		for (const std::string& Fault : Faults)
		{
			Result.push_back({Operation, Fault});
		}
	}
	return Result;
}

std::string CaseName(const testing::TestParamInfo<FFaultCase>& Info)
{
	std::string Fault;
	for (char C : Info.param.Fault)
	{
		if (std::isalnum(static_cast<unsigned char>(C)))
		{
			Fault += C;
		}
	}
	return Info.param.Operation + "_" + (std::isdigit(static_cast<unsigned char>(Fault[0])) ? "Result" + Fault : Fault);
}

class FSteamFaultTest : public FReliabilityTest, public testing::WithParamInterface<FFaultCase>
{
protected:
	void InjectFault()
	{
		const FFaultCase& Case = GetParam();
		if (Case.Fault == "legal")
		{
			Machine.SetClient("legalAgreementAccepted", "false");
			return;
		}
		const fs::path ClientFile = Machine.Path() / "steam" / "client.json";
		nlohmann::ordered_json Client = nlohmann::ordered_json::parse(ReadFile(ClientFile));
		Client["faults"][Case.Operation] = nlohmann::ordered_json::parse(Case.Fault);
		WriteFile(ClientFile, Client.dump(4));
	}

	// A refused SetItem* call leaves that field out and the update goes on; the agreement flag only
	// hides what is submitted. Any other fault fails the request and changes nothing.
	bool RequestStillSucceeds() const
	{
		const FFaultCase& Case = GetParam();
		return Case.Fault == "legal" || (Case.Fault == "\"refuse\"" && Case.Operation.starts_with("SetItem"));
	}

	void ExpectIdleAndWhole()
	{
		ASSERT_TRUE(WaitIdle(300));
		EXPECT_TRUE(WindowIdle());
		EXPECT_FALSE(Module().bBusy.load());
		EXPECT_FALSE(Module().WorkshopMap->bRequestPending);
		EXPECT_FALSE(SteamStandin_HasPendingResults());
		ExpectWorkshopWhole();
	}

	size_t SampleVersions() const
	{
		return nlohmann::json::parse(ReadFile(Machine.Path() / "steam/workshop/731904/2000000001/item.json"))["versions"].size();
	}
};

class FCreateItemFaultTest : public FSteamFaultTest
{
};

TEST_P(FCreateItemFaultTest, WindowReturnsToIdleAndNoItemIsHalfMade)
{
	InjectFault();
	StartModule();
	ASSERT_NE(Module().WorkshopMap, nullptr);
	ASSERT_EQ(Module().WorkshopMap->ItemId, 0u);
	const auto Before = WorkshopFiles();

	Window().CreateNewClicked();
	ExpectIdleAndWhole();

	if (RequestStillSucceeds())
	{
		EXPECT_EQ(Module().WorkshopMap->ItemId, 2000000002u);
		EXPECT_NE(Module().WorkshopMap->GetDefinition(), nullptr);
		return;
	}
	EXPECT_EQ(Module().WorkshopMap->ItemId, 0u);
	EXPECT_EQ(Module().WorkshopMap->GetDefinition(), nullptr);
	EXPECT_EQ(WorkshopFiles(), Before) << "a faulted request creates no item";
	if (GetParam().Fault == "\"refuse\"")
	{
		EXPECT_TRUE(LogHas("LevelwrightLog: Error: Steam refused to create a workshop item"));
	}
	if (GetParam().Fault == "\"ioFailure\"")
	{
		EXPECT_TRUE(LogHas("LevelwrightLog: Error: Creating the workshop item failed: Steam reported an I/O failure"));
	}
}

INSTANTIATE_TEST_SUITE_P(Faults, FCreateItemFaultTest, testing::ValuesIn(Cases({"CreateItem"}, EveryFault)), CaseName);

class FSyncFaultTest : public FSteamFaultTest
{
};

TEST_P(FSyncFaultTest, WindowReturnsToIdleAndTheItemIsWholeOrUnchanged)
{
	InjectFault();
	StartWorkshopProject();
	const auto Before = WorkshopFiles();

	Window().SyncTitleClicked();
	ExpectIdleAndWhole();

	if (RequestStillSucceeds())
	{
		EXPECT_TRUE(LogHas("LevelwrightLog: Synced item"));
		EXPECT_EQ(SampleVersions(), 2u);
		return;
	}
	EXPECT_FALSE(LogHas("LevelwrightLog: Synced item"));
	EXPECT_EQ(WorkshopFiles(), Before) << "a failed update changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Faults, FSyncFaultTest,
						 testing::ValuesIn([] {
							 std::vector<FFaultCase> All = Cases({"SubmitItemUpdate", "SetItemTitle", "SetItemTags", "SetItemPreview"}, EveryFault);
							 All.push_back({"StartItemUpdate", "\"refuse\""});
							 return All;
						 }()),
						 CaseName);

class FSubmitFaultTest : public FSteamFaultTest
{
};

TEST_P(FSubmitFaultTest, TheJobEndsIdleAndTheItemIsWholeOrUnchanged)
{
	InjectFault();
	StartWorkshopProject();
	const auto Before = WorkshopFiles();

	Window().SubmitButtonClicked();
	ExpectIdleAndWhole();

	const bool bSuccessBox = BoxShown("Drovik Workshop", "Successfully submited to the workshop!");
	if (RequestStillSucceeds())
	{
		EXPECT_TRUE(bSuccessBox);
		EXPECT_EQ(SampleVersions(), 2u);
		return;
	}
	EXPECT_FALSE(bSuccessBox);
	EXPECT_EQ(WorkshopFiles(), Before) << "a failed upload changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Faults, FSubmitFaultTest,
						 testing::ValuesIn([] {
							 std::vector<FFaultCase> All = Cases({"SubmitItemUpdate"}, EveryFault);
							 const std::vector<FFaultCase> Setters = Cases({"SetItemContent", "SetItemMetadata"}, RequestFaults);
							 All.insert(All.end(), Setters.begin(), Setters.end());
							 All.push_back({"StartItemUpdate", "\"refuse\""});
							 return All;
						 }()),
						 CaseName);

class FSteamHolderTest : public FReliabilityTest
{
};

TEST_F(FSteamHolderTest, AResultForAReArmedCreationHolderIsDropped)
{
	StartModule();
	ASSERT_EQ(Module().WorkshopMap->ItemId, 0u);
	Window().CreateNewClicked();
	Window().CreateNewClicked();
	ASSERT_TRUE(WaitIdle());

	EXPECT_EQ(CountLines("LevelwrightLog: OnCreateItemResult"), 1) << "the first answer found its holder re-armed";
	EXPECT_EQ(Module().WorkshopMap->ItemId, 2000000003u);
	EXPECT_TRUE(WindowIdle());
	// As at Steam, the first request still made its item; it is whole, only nobody listens for it.
	EXPECT_TRUE(fs::exists(Machine.Path() / "steam/workshop/731904/2000000002/item.json"));
	ExpectWorkshopWhole();
}

TEST_F(FSteamHolderTest, AResultForAReArmedSyncHolderIsDropped)
{
	StartWorkshopProject();
	Window().SyncTitleClicked();
	Window().SyncTitleClicked();
	ASSERT_TRUE(WaitIdle());

	EXPECT_EQ(CountLines("LevelwrightLog: Synced item"), 1);
	EXPECT_TRUE(WindowIdle());
	ExpectWorkshopWhole();
}

TEST_F(FSteamHolderTest, ModuleShutDownWithCallsPendingReceivesNoResult)
{
	StartWorkshopProject();
	const fs::path Content = SavedDir() / "Cooked" / "Workshop";
	WriteFile(Content / "WindowsNoEditor.pak", "windows pak");
	Machine.SetClient("resultDelayFrames", "5");

	FUGCInterface& WorkshopMap = *Module().WorkshopMap;
	WorkshopMap.CreateItem();
	WorkshopMap.SyncMetadata();
	// The tail of a submit job: busy, the module's handler bound, the upload requested.
	Module().bBusy.store(true);
	WorkshopMap.OnSubmitFinished.BindRaw(&Module(), &FLevelwrightModule::OnWorkshopSubmitFinished);
	WorkshopMap.SubmitContent(FString(Content.u16string()), TEXT("note"));
	ASSERT_TRUE(SteamStandin_HasPendingResults());
	const size_t LinesBefore = LogLines().size();

	ShutdownModule();
	for (int Frame = 0; Frame < 50 && SteamStandin_HasPendingResults(); ++Frame)
	{
		SteamAPI_RunCallbacks();
	}

	EXPECT_FALSE(SteamStandin_HasPendingResults());
	const std::vector<std::string> Lines = LogLines();
	for (size_t Index = LinesBefore; Index < Lines.size(); ++Index)
	{
		EXPECT_THAT(Lines[Index], testing::Not(testing::HasSubstr("LevelwrightLog"))) << "a result reached the shut-down module";
	}
	ExpectWorkshopWhole();
}
} // namespace
