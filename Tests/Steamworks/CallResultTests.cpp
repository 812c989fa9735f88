// CCallResult and the pump: results arrive only inside SteamAPI_RunCallbacks, after the client's
// delay, to the holder armed with the call, and never to a holder that let go of it.
#include "SteamMachine.h"
#include "SteamStandin.h"

#include <atomic>
#include <optional>
#include <thread>

using CreateHolder = CCallResult<ResultRecorder, CreateItemResult_t>;

class SteamCallResultTest : public SteamMachineTest
{
protected:
	SteamAPICall_t Create() { return SteamUGC()->CreateItem(DrovikAppId, k_EWorkshopFileTypeCommunity); }

	ResultRecorder Owner;
};

TEST_F(SteamCallResultTest, ResultArrivesOnlyInsideThePumpAfterTheDelay)
{
	StartSteam(); // the sample client answers after 2 frames
	CreateHolder Holder;
	const SteamAPICall_t Call = Create();
	ASSERT_NE(Call, k_uAPICallInvalid);
	Holder.Set(Call, &Owner, &ResultRecorder::OnCreate);
	EXPECT_TRUE(Holder.IsActive());
	EXPECT_TRUE(SteamStandin_HasPendingResults());
	Pump();
	EXPECT_EQ(Owner.CreateCalls, 0);
	EXPECT_TRUE(SteamStandin_HasPendingResults());
	Pump();
	ASSERT_EQ(Owner.CreateCalls, 1);
	EXPECT_FALSE(Owner.bLastIoFailure);
	EXPECT_EQ(Owner.LastCreate.m_eResult, k_EResultOK);
	EXPECT_EQ(Owner.LastCreate.m_nPublishedFileId, 2000000002u);
	EXPECT_FALSE(Holder.IsActive());
	EXPECT_FALSE(SteamStandin_HasPendingResults());
	Pump(3);
	EXPECT_EQ(Owner.CreateCalls, 1);
}

TEST_F(SteamCallResultTest, ZeroDelayStillWaitsForThePump)
{
	SetClient({{"resultDelayFrames", 0}});
	StartSteam();
	CreateHolder Holder;
	Holder.Set(Create(), &Owner, &ResultRecorder::OnCreate);
	EXPECT_EQ(Owner.CreateCalls, 0);
	Pump();
	EXPECT_EQ(Owner.CreateCalls, 1);
}

TEST_F(SteamCallResultTest, RefusedCallRegistersNothing)
{
	SetClient({{"faults", {{"CreateItem", "refuse"}}}});
	StartSteam();
	CreateHolder Holder;
	const SteamAPICall_t Call = Create();
	EXPECT_EQ(Call, k_uAPICallInvalid);
	Holder.Set(Call, &Owner, &ResultRecorder::OnCreate);
	EXPECT_FALSE(Holder.IsActive());
	EXPECT_FALSE(SteamStandin_HasPendingResults());
	Pump(3);
	EXPECT_EQ(Owner.CreateCalls, 0);
}

// Re-arming drops the earlier call: its result is never handed over, though the server still did
// the work (the first item exists too).
TEST_F(SteamCallResultTest, SetDropsThePendingCall)
{
	StartSteam();
	CreateHolder Holder;
	Holder.Set(Create(), &Owner, &ResultRecorder::OnCreate);
	Pump();
	Holder.Set(Create(), &Owner, &ResultRecorder::OnCreate);
	Pump(4);
	ASSERT_EQ(Owner.CreateCalls, 1);
	EXPECT_EQ(Owner.LastCreate.m_nPublishedFileId, 2000000003u);
	EXPECT_TRUE(std::filesystem::exists(ItemFolder(2000000002) / "item.json"));
	EXPECT_FALSE(SteamStandin_HasPendingResults());
}

TEST_F(SteamCallResultTest, ResultForAnotherHandleIsIgnored)
{
	StartSteam();
	CreateHolder Holder;
	const SteamAPICall_t Call = Create();
	Holder.Set(Call, &Owner, &ResultRecorder::OnCreate);
	// Steam reaches the holder through its base; a C-style cast is the only way past the private base.
	CCallbackBase* Base = (CCallbackBase*)&Holder;
	CreateItemResult_t Record{};
	Record.m_eResult = k_EResultOK;
	Base->Run(&Record, false, Call + 1);
	EXPECT_EQ(Owner.CreateCalls, 0);
	EXPECT_TRUE(Holder.IsActive());
	EXPECT_EQ(Base->GetICallback(), CreateItemResult_t::k_iCallback);
	EXPECT_EQ(Base->GetCallbackSizeBytes(), 24);
	Pump(2);
	EXPECT_EQ(Owner.CreateCalls, 1);
}

TEST_F(SteamCallResultTest, DestructionCancelsThePendingCall)
{
	StartSteam();
	std::optional<CreateHolder> Holder(std::in_place);
	Holder->Set(Create(), &Owner, &ResultRecorder::OnCreate);
	Holder.reset();
	Pump(4);
	EXPECT_EQ(Owner.CreateCalls, 0);
	EXPECT_FALSE(SteamStandin_HasPendingResults());
}

TEST_F(SteamCallResultTest, CancelLetsGoOfTheCall)
{
	StartSteam();
	CreateHolder Holder;
	Holder.Set(Create(), &Owner, &ResultRecorder::OnCreate);
	Holder.Cancel();
	EXPECT_FALSE(Holder.IsActive());
	Pump(4);
	EXPECT_EQ(Owner.CreateCalls, 0);
}

// The holder is idle when its handler runs, so the handler may arm it again.
struct ReArmingOwner
{
	CCallResult<ReArmingOwner, CreateItemResult_t> Holder;
	std::vector<PublishedFileId_t> Ids;
	bool bWasActiveInHandler = true;

	void Arm()
	{
		Holder.Set(SteamUGC()->CreateItem(731904, k_EWorkshopFileTypeCommunity), this, &ReArmingOwner::OnCreate);
	}

	void OnCreate(CreateItemResult_t* Data, bool)
	{
		bWasActiveInHandler = Holder.IsActive();
		Ids.push_back(Data->m_nPublishedFileId);
		if (Ids.size() == 1)
		{
			Arm();
		}
	}
};

TEST_F(SteamCallResultTest, HandlerMayReArmItsHolder)
{
	StartSteam();
	ReArmingOwner Owner;
	Owner.Arm();
	Pump(2);
	ASSERT_EQ(Owner.Ids.size(), 1u);
	EXPECT_FALSE(Owner.bWasActiveInHandler);
	EXPECT_TRUE(Owner.Holder.IsActive());
	Pump(2);
	ASSERT_EQ(Owner.Ids.size(), 2u);
	EXPECT_EQ(Owner.Ids[1], Owner.Ids[0] + 1);
	EXPECT_FALSE(Owner.Holder.IsActive());
}

TEST_F(SteamCallResultTest, HolderForAnotherRecordGetsAnIoFailure)
{
	StartSteam();
	CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
	Holder.Set(Create(), &Owner, &ResultRecorder::OnSubmit);
	Pump(2);
	ASSERT_EQ(Owner.SubmitCalls, 1);
	EXPECT_TRUE(Owner.bLastIoFailure);
}

TEST_F(SteamCallResultTest, ResultFinishedBeforeRegistrationWaitsForIt)
{
	StartSteam();
	const SteamAPICall_t Call = Create();
	Pump(3);
	CreateHolder Holder;
	Holder.Set(Call, &Owner, &ResultRecorder::OnCreate);
	EXPECT_EQ(Owner.CreateCalls, 0);
	Pump();
	EXPECT_EQ(Owner.CreateCalls, 1);
}

// The entry points may be called from any thread: a submission from another thread while the pump runs.
TEST_F(SteamCallResultTest, SubmissionFromAWorkerWhileThePumpRuns)
{
	StartSteam();
	const std::filesystem::path Content = Temp.Path() / "content";
	WriteFile(Content / "WindowsNoEditor.pak", "pak bytes");
	CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
	std::atomic<bool> bSubmitted = false;
	std::thread Worker([&] {
		const UGCUpdateHandle_t Update = SteamUGC()->StartItemUpdate(DrovikAppId, 2000000001);
		SteamUGC()->SetItemContent(Update, Content.c_str());
		Holder.Set(SteamUGC()->SubmitItemUpdate(Update, "From the worker"), &Owner, &ResultRecorder::OnSubmit);
		bSubmitted = true;
	});
	for (int Frame = 0; Frame < 100000 && Owner.SubmitCalls == 0; ++Frame)
	{
		Pump();
		if (!bSubmitted)
		{
			std::this_thread::yield();
		}
	}
	Worker.join();
	Pump(3);
	ASSERT_EQ(Owner.SubmitCalls, 1);
	EXPECT_EQ(Owner.LastSubmit.m_eResult, k_EResultOK);
	EXPECT_EQ(ReadItem(2000000001)["versions"].back()["changeNote"], "From the worker");
}
