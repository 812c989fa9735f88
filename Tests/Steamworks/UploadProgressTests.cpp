// GetItemUpdateProgress while an update uploads, with and without client.json's uploadBytesPerSecond.
#include "WorkshopHelpers.h"

#include <chrono>
#include <thread>

namespace
{
using Clock = std::chrono::steady_clock;

struct Reading
{
	EItemUpdateStatus Status;
	uint64 Processed;
	uint64 Total;
};

class SteamUploadProgressTest : public SteamWorkshopTest
{
protected:
	// A content folder of 200000 + 100000 bytes and a preview of 50000.
	UGCUpdateHandle_t StartLargeUpdate()
	{
		const std::filesystem::path Content = Temp.Path() / "Large";
		WriteFile(Content / "WindowsNoEditor.pak", std::string(200000, 'w'));
		WriteFile(Content / "LinuxServer.pak", std::string(100000, 'l'));
		const UGCUpdateHandle_t Update = StartArenaUpdate();
		EXPECT_TRUE(SteamUGC()->SetItemContent(Update, Content.c_str()));
		EXPECT_TRUE(SteamUGC()->SetItemPreview(Update, MakeFile("preview.png", 50000).c_str()));
		return Update;
	}
	static constexpr uint64 LargeTotal = 350000;
	static constexpr uint64 LargeContent = 300000;

	Reading Read(UGCUpdateHandle_t Update)
	{
		Reading Out{};
		Out.Processed = 1;
		Out.Total = 1;
		Out.Status = SteamUGC()->GetItemUpdateProgress(Update, &Out.Processed, &Out.Total);
		return Out;
	}

	// Reads the progress, then pumps, until the result arrives; the readings in order.
	std::vector<Reading> ReadUntilTheResult(UGCUpdateHandle_t Update, int MaxFrames = 100000)
	{
		std::vector<Reading> Readings;
		for (int Frame = 0; Frame < MaxFrames && Owner.SubmitCalls == 0; ++Frame)
		{
			Readings.push_back(Read(Update));
			Pump();
			std::this_thread::sleep_for(std::chrono::microseconds(500));
		}
		return Readings;
	}

	CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
};
} // namespace

TEST_F(SteamUploadProgressTest, WithARateBytesRiseInOrderAndEndAtTheTotal)
{
	SetClient({{"uploadBytesPerSecond", 500000}}); // 0.7 s for 350000 bytes
	StartSteam();
	const UGCUpdateHandle_t Update = StartLargeUpdate();
	EXPECT_EQ(Read(Update).Status, k_EItemUpdateStatusInvalid);
	const Clock::time_point BeforeSubmission = Clock::now();
	Holder.Set(SteamUGC()->SubmitItemUpdate(Update, "Large"), &Owner, &ResultRecorder::OnSubmit);
	const std::vector<Reading> Readings = ReadUntilTheResult(Update);
	const Clock::duration UntilTheResult = Clock::now() - BeforeSubmission;

	ASSERT_EQ(Owner.SubmitCalls, 1);
	EXPECT_EQ(Owner.LastSubmit.m_eResult, k_EResultOK);
	// The result waits for the upload's time at the rate.
	EXPECT_GE(UntilTheResult, std::chrono::milliseconds(700));
	ASSERT_GE(Readings.size(), 3u);
	EXPECT_EQ(Readings.front().Status, k_EItemUpdateStatusPreparingConfig);
	bool bSawBytesInFlight = false;
	for (size_t Index = 0; Index < Readings.size(); ++Index)
	{
		const Reading& Now = Readings[Index];
		EXPECT_EQ(Now.Total, LargeTotal);
		EXPECT_LE(Now.Processed, Now.Total);
		bSawBytesInFlight |= Now.Processed > 0 && Now.Processed < Now.Total;
		if (Now.Status == k_EItemUpdateStatusUploadingContent)
		{
			EXPECT_LT(Now.Processed, LargeContent);
		}
		if (Now.Status == k_EItemUpdateStatusUploadingPreviewFile)
		{
			EXPECT_GE(Now.Processed, LargeContent);
		}
		if (Index > 0)
		{
			EXPECT_GE(Now.Status, Readings[Index - 1].Status) << "at reading " << Index;
			EXPECT_GE(Now.Processed, Readings[Index - 1].Processed) << "at reading " << Index;
		}
	}
	EXPECT_TRUE(bSawBytesInFlight);
	EXPECT_EQ(Readings.back().Processed, LargeTotal);
	EXPECT_EQ(Read(Update).Status, k_EItemUpdateStatusInvalid);
	EXPECT_EQ(ReadItem(ArenaId)["versions"].back()["changeNote"], "Large");
}

TEST_F(SteamUploadProgressTest, WithARateTheResultStillWaitsForItsFrames)
{
	SetClient({{"uploadBytesPerSecond", 1000000000}, {"resultDelayFrames", 5}});
	StartSteam();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, MakeContent().c_str()));
	Holder.Set(SteamUGC()->SubmitItemUpdate(Update, ""), &Owner, &ResultRecorder::OnSubmit);
	std::this_thread::sleep_for(std::chrono::milliseconds(5));
	Pump(4);
	EXPECT_EQ(Owner.SubmitCalls, 0);
	EXPECT_EQ(Read(Update).Processed, 31u);
	EXPECT_EQ(Read(Update).Status, k_EItemUpdateStatusCommittingChanges);
	Pump();
	EXPECT_EQ(Owner.SubmitCalls, 1);
	EXPECT_EQ(Read(Update).Status, k_EItemUpdateStatusInvalid);
}

TEST_F(SteamUploadProgressTest, WithARateAFailedCheckIsNotHeldBack)
{
	SetClient({{"uploadBytesPerSecond", 1}});
	StartSteam();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemPreview(Update, MakeFile("huge.png", 1024 * 1024).c_str()));
	// Nothing is uploaded, so there is nothing to wait for.
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultLimitExceeded);
}

TEST_F(SteamUploadProgressTest, WithoutARateTheResultComesAfterItsFramesWhateverTheSize)
{
	SetClient({{"resultDelayFrames", 2}});
	StartSteam();
	const UGCUpdateHandle_t Update = StartLargeUpdate();
	Holder.Set(SteamUGC()->SubmitItemUpdate(Update, ""), &Owner, &ResultRecorder::OnSubmit);
	const Reading First = Read(Update);
	EXPECT_EQ(First.Status, k_EItemUpdateStatusPreparingConfig);
	EXPECT_EQ(First.Processed, 0u);
	EXPECT_EQ(First.Total, LargeTotal);
	Pump();
	const Reading Second = Read(Update);
	EXPECT_EQ(Second.Status, k_EItemUpdateStatusUploadingContent); // 1 + 1 * 5 / 2
	EXPECT_EQ(Second.Processed, LargeTotal / 2);
	EXPECT_EQ(Owner.SubmitCalls, 0);
	Pump();
	EXPECT_EQ(Owner.SubmitCalls, 1);
	EXPECT_EQ(Read(Update).Status, k_EItemUpdateStatusInvalid);
}

TEST_F(SteamUploadProgressTest, TheRateMustBeAWholeNumberAboveZero)
{
	for (const Json& Rate : {Json(0), Json(-5), Json(1.5), Json("fast")})
	{
		SetClient({{"uploadBytesPerSecond", Rate}});
		EXPECT_FALSE(SteamAPI_Init()) << Rate.dump();
	}
	SetClient({{"uploadBytesPerSecond", 1}});
	EXPECT_TRUE(SteamAPI_Init());
}
