// Faults injected through client.json, the Workshop's own refusals, and that a failed submission
// leaves the item exactly as it was.
#include "WorkshopHelpers.h"

TEST_F(SteamWorkshopTest, CreateItemFaults)
{
	SetClient({{"faults", {{"CreateItem", "ioFailure"}}}});
	StartSteam();
	CreateItemResult_t Result = CreateItem();
	EXPECT_TRUE(Owner.bLastIoFailure);
	EXPECT_FALSE(std::filesystem::exists(ItemFolder(2000000002)));

	SetClient({{"faults", {{"CreateItem", 15}}}});
	Owner = {};
	Result = CreateItem();
	EXPECT_FALSE(Owner.bLastIoFailure);
	EXPECT_EQ(Result.m_eResult, k_EResultAccessDenied);
	EXPECT_EQ(Result.m_nPublishedFileId, 0u);
	EXPECT_FALSE(std::filesystem::exists(ItemFolder(2000000002)));
	EXPECT_EQ(Json::parse(ReadFile(ClientFile()))["nextItemId"], 2000000002u);

	SetClient({{"faults", {{"CreateItem", "refuse"}}}});
	EXPECT_EQ(SteamUGC()->CreateItem(DrovikAppId, k_EWorkshopFileTypeCommunity), k_uAPICallInvalid);
}

TEST_F(SteamWorkshopTest, SubmitItemUpdateFaults)
{
	SetClient({{"faults", {{"SubmitItemUpdate", "refuse"}}}});
	StartSteam();
	UGCUpdateHandle_t Update = StartArenaUpdate();
	EXPECT_EQ(SteamUGC()->SubmitItemUpdate(Update, "refused"), k_uAPICallInvalid);

	SetClient({{"faults", {{"SubmitItemUpdate", "ioFailure"}}}});
	EXPECT_EQ(Submit(Update).m_eResult, 0); // a zeroed record
	EXPECT_TRUE(Owner.bLastIoFailure);

	SetClient({{"faults", {{"SubmitItemUpdate", 16}}}});
	Update = StartArenaUpdate();
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultTimeout);
	EXPECT_FALSE(Owner.bLastIoFailure);
	EXPECT_EQ(ReadItem(ArenaId)["versions"].size(), 1u);
}

// A SetItem* fault "refuse" makes the call false; a result code or I/O failure surfaces in the
// submission's result.
TEST_F(SteamWorkshopTest, SetCallFaults)
{
	const std::vector<std::string> Operations = {"SetItemContent", "SetItemMetadata", "SetItemPreview",
												 "SetItemTitle", "SetItemTags"};
	const std::filesystem::path Content = MakeContent();
	const std::filesystem::path Preview = MakeFile("preview.png", 100);
	StartSteam();
	auto Apply = [&](UGCUpdateHandle_t Update, const std::string& Operation) {
		const char* Tags[] = {"Push"};
		const SteamParamStringArray_t TagList{Tags, 1};
		return Operation == "SetItemContent"	? SteamUGC()->SetItemContent(Update, Content.c_str())
			   : Operation == "SetItemMetadata" ? SteamUGC()->SetItemMetadata(Update, "metadata")
			   : Operation == "SetItemPreview"	? SteamUGC()->SetItemPreview(Update, Preview.c_str())
			   : Operation == "SetItemTitle"	? SteamUGC()->SetItemTitle(Update, "Faulty")
												: SteamUGC()->SetItemTags(Update, &TagList);
	};
	for (const std::string& Operation : Operations)
	{
		SetClient({{"faults", {{Operation, "refuse"}}}});
		EXPECT_FALSE(Apply(StartArenaUpdate(), Operation)) << Operation;

		SetClient({{"faults", {{Operation, 20}}}});
		UGCUpdateHandle_t Update = StartArenaUpdate();
		EXPECT_TRUE(Apply(Update, Operation)) << Operation;
		EXPECT_EQ(Submit(Update).m_eResult, k_EResultServiceUnavailable) << Operation;

		SetClient({{"faults", {{Operation, "ioFailure"}}}});
		Update = StartArenaUpdate();
		EXPECT_TRUE(Apply(Update, Operation)) << Operation;
		Owner.bLastIoFailure = false;
		Submit(Update);
		EXPECT_TRUE(Owner.bLastIoFailure) << Operation;
	}
	EXPECT_EQ(ReadItem(ArenaId)["title"], "Arena");
}

TEST_F(SteamWorkshopTest, FailedSubmissionLeavesTheItemAsItWas)
{
	StartSteam();
	const std::string Before = Snapshot(ArenaId);
	const std::filesystem::path Content = MakeContent();

	UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, Content.c_str()));
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, "Half"));
	ASSERT_TRUE(SteamUGC()->SetItemPreview(Update, MakeFile("huge.png", 1024 * 1024).c_str()));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultLimitExceeded);
	EXPECT_EQ(Snapshot(ArenaId), Before);

	SetClient({{"faults", {{"SubmitItemUpdate", "ioFailure"}}}});
	Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, Content.c_str()));
	Submit(Update);
	EXPECT_TRUE(Owner.bLastIoFailure);
	EXPECT_EQ(Snapshot(ArenaId), Before);
	EXPECT_TRUE(StagingIsEmpty());
}

// The item vanishes between submission and result: the commit fails and nothing is half-written.
TEST_F(SteamWorkshopTest, SubmissionToAVanishedItemFails)
{
	StartSteam();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, MakeContent().c_str()));
	CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
	Holder.Set(SteamUGC()->SubmitItemUpdate(Update, "late"), &Owner, &ResultRecorder::OnSubmit);
	std::filesystem::remove(ItemFolder(ArenaId) / "item.json");
	Pump(2);
	ASSERT_EQ(Owner.SubmitCalls, 1);
	EXPECT_EQ(Owner.LastSubmit.m_eResult, k_EResultFileNotFound);
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "content" / "WindowsNoEditor.pak"),
			  "Placeholder for the Arena map pak (Windows).\n");
	EXPECT_TRUE(StagingIsEmpty());
}

TEST_F(SteamWorkshopTest, WorkshopRefusals)
{
	StartSteam();
	EXPECT_EQ(Submit(SteamUGC()->StartItemUpdate(DrovikAppId, 2000000099)).m_eResult, k_EResultFileNotFound);
	EXPECT_EQ(Submit(SteamUGC()->StartItemUpdate(480, ArenaId)).m_eResult, k_EResultInvalidParam);
	EXPECT_EQ(SteamUGC()->SubmitItemUpdate(k_UGCUpdateHandleInvalid, "x"), k_uAPICallInvalid);
	Owner = {};
	CCallResult<ResultRecorder, CreateItemResult_t> Holder;
	Holder.Set(SteamUGC()->CreateItem(480, k_EWorkshopFileTypeCommunity), &Owner, &ResultRecorder::OnCreate);
	Pump(2);
	EXPECT_EQ(Owner.LastCreate.m_eResult, k_EResultInvalidParam);
}

TEST_F(SteamWorkshopTest, NobodySignedInGetsNotLoggedOn)
{
	SetClient({{"user", ""}});
	StartSteam();
	EXPECT_EQ(CreateItem().m_eResult, k_EResultNotLoggedOn);
	EXPECT_EQ(Submit(StartArenaUpdate()).m_eResult, k_EResultNotLoggedOn);
}

TEST_F(SteamWorkshopTest, LegalAgreementFlagWhenNotAccepted)
{
	SetClient({{"legalAgreementAccepted", false}});
	StartSteam();
	const CreateItemResult_t Created = CreateItem();
	EXPECT_EQ(Created.m_eResult, k_EResultOK);
	EXPECT_TRUE(Created.m_bUserNeedsToAcceptWorkshopLegalAgreement);
	const SubmitItemUpdateResult_t Submitted = Submit(StartArenaUpdate());
	EXPECT_EQ(Submitted.m_eResult, k_EResultOK);
	EXPECT_TRUE(Submitted.m_bUserNeedsToAcceptWorkshopLegalAgreement);
}

TEST_F(SteamWorkshopTest, ClientStoppedAfterInitRefusesRequests)
{
	StartSteam();
	SetClient({{"running", false}});
	EXPECT_EQ(SteamUGC()->CreateItem(DrovikAppId, k_EWorkshopFileTypeCommunity), k_uAPICallInvalid);
	EXPECT_EQ(StartArenaUpdate(), k_UGCUpdateHandleInvalid);
}

TEST_F(SteamWorkshopTest, ShutdownDropsPendingUploads)
{
	StartSteam();
	const std::string Before = Snapshot(ArenaId);
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, MakeContent().c_str()));
	ASSERT_NE(SteamUGC()->SubmitItemUpdate(Update, "never"), k_uAPICallInvalid);
	SteamAPI_Shutdown();
	EXPECT_EQ(Snapshot(ArenaId), Before);
	EXPECT_TRUE(StagingIsEmpty());
}
