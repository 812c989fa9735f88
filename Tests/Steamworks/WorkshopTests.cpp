// The simulated Workshop: items on disk, what an accepted submission stores, and its limits.
#include "WorkshopHelpers.h"

TEST_F(SteamWorkshopTest, CreateItemTakesTheRecordedNextIdAndWritesAnEmptyItem)
{
	StartSteam();
	const CreateItemResult_t Result = CreateItem();
	EXPECT_EQ(Result.m_eResult, k_EResultOK);
	EXPECT_EQ(Result.m_nPublishedFileId, 2000000002u);
	EXPECT_FALSE(Result.m_bUserNeedsToAcceptWorkshopLegalAgreement);
	const Json Item = ReadItem(2000000002);
	EXPECT_EQ(Item.dump(), R"({"id":2000000002,"title":"","description":"","tags":[],"metadata":"","visibility":0,)"
						   R"("preview":"","versions":[]})");
	EXPECT_EQ(Json::parse(ReadFile(ClientFile()))["nextItemId"], 2000000003u);
	EXPECT_EQ(Json::parse(ReadFile(ClientFile()))["user"], "MapAuthor");
}

TEST_F(SteamWorkshopTest, IdsStartAt2000000001AndSkipTakenOnes)
{
	Json Client = Json::parse(ReadFile(ClientFile()));
	Client.erase("nextItemId");
	WriteFile(ClientFile(), Client.dump());
	StartSteam();
	EXPECT_EQ(CreateItem().m_nPublishedFileId, 2000000002u); // 2000000001 is the sample's Arena
	std::filesystem::remove_all(Machine / "steam" / "workshop");
	WriteFile(ClientFile(), Client.dump());
	Owner = {};
	EXPECT_EQ(CreateItem().m_nPublishedFileId, 2000000001u);
}

TEST_F(SteamWorkshopTest, SubmissionStoresContentPreviewFieldsAndAVersion)
{
	StartSteam();
	const std::filesystem::path Content = MakeContent();
	WriteFile(Content / "Maps" / "Arena.umap", "map");
	const std::filesystem::path Preview = MakeFile("Preview.PNG", 64);
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_NE(Update, k_UGCUpdateHandleInvalid);
	EXPECT_TRUE(SteamUGC()->SetItemContent(Update, Content.c_str()));
	EXPECT_TRUE(SteamUGC()->SetItemMetadata(Update, "metadata"));
	EXPECT_TRUE(SteamUGC()->SetItemTitle(Update, "Arena II"));
	EXPECT_TRUE(SteamUGC()->SetItemDescription(Update, "Two teams, one arena."));
	EXPECT_TRUE(SteamUGC()->SetItemVisibility(Update, k_ERemoteStoragePublishedFileVisibilityFriendsOnly));
	const char* Tags[] = {"Team Deathmatch", "Push"};
	const SteamParamStringArray_t TagList{Tags, 2};
	EXPECT_TRUE(SteamUGC()->SetItemTags(Update, &TagList));
	EXPECT_TRUE(SteamUGC()->SetItemPreview(Update, Preview.c_str()));
	EXPECT_EQ(Submit(Update, "Second version").m_eResult, k_EResultOK);

	const Json Item = ReadItem(ArenaId);
	EXPECT_EQ(Item["title"], "Arena II");
	EXPECT_EQ(Item["description"], "Two teams, one arena.");
	EXPECT_EQ(Item["visibility"], 1);
	EXPECT_EQ(Item["tags"], Json({"Team Deathmatch", "Push"}));
	EXPECT_EQ(Item["metadata"], "metadata");
	EXPECT_EQ(Item["preview"], "preview.png");
	ASSERT_EQ(Item["versions"].size(), 2u);
	EXPECT_EQ(Item["versions"][0]["changeNote"], "First version");
	EXPECT_EQ(Item["versions"][1].dump(), R"({"changeNote":"Second version","files":["LinuxServer.pak",)"
										  R"("Maps/Arena.umap","WindowsNoEditor.pak","metadata.json"]})");
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "content" / "Maps" / "Arena.umap"), "map");
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "preview.png"), std::string(64, 'p'));
	EXPECT_TRUE(StagingIsEmpty());
}

TEST_F(SteamWorkshopTest, ContentIsCopiedAsItWasAtSubmission)
{
	StartSteam();
	const std::filesystem::path Content = MakeContent();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, Content.c_str()));
	CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
	Holder.Set(SteamUGC()->SubmitItemUpdate(Update, "Snapshot"), &Owner, &ResultRecorder::OnSubmit);
	WriteFile(Content / "WindowsNoEditor.pak", "rebuilt later");
	WriteFile(Content / "Late.pak", "late");
	Pump(2);
	ASSERT_EQ(Owner.SubmitCalls, 1);
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "content" / "WindowsNoEditor.pak"), "windows pak");
	EXPECT_FALSE(std::filesystem::exists(ItemFolder(ArenaId) / "content" / "Late.pak"));
}

// A metadata-only update (the plugin's sync) keeps content and preview and still counts a version.
TEST_F(SteamWorkshopTest, UpdateWithoutContentKeepsContentAndPreview)
{
	StartSteam();
	const std::string ContentBefore = ReadFile(ItemFolder(ArenaId) / "content" / "metadata.json");
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, "Arena Night"));
	EXPECT_EQ(Submit(Update, "Sync metadata").m_eResult, k_EResultOK);
	const Json Item = ReadItem(ArenaId);
	EXPECT_EQ(Item["title"], "Arena Night");
	EXPECT_EQ(Item["tags"], Json({"Deathmatch"}));
	EXPECT_EQ(Item["preview"], "preview.png");
	EXPECT_EQ(Item["versions"][1]["files"], Item["versions"][0]["files"]);
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "content" / "metadata.json"), ContentBefore);
	EXPECT_TRUE(std::filesystem::exists(ItemFolder(ArenaId) / "preview.png"));
}

TEST_F(SteamWorkshopTest, NonAsciiTitleAndContentPathArriveAsUtf8)
{
	StartSteam();
	const std::filesystem::path Content = MakeContent("Jürgen/Saved/Cooked/Workshop");
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	EXPECT_TRUE(SteamUGC()->SetItemTitle(Update, "Arène du Nord"));
	EXPECT_TRUE(SteamUGC()->SetItemContent(Update, Content.c_str()));
	EXPECT_EQ(Submit(Update, "Première").m_eResult, k_EResultOK);
	const Json Item = ReadItem(ArenaId);
	EXPECT_EQ(Item["title"], "Arène du Nord");
	EXPECT_EQ(Item["versions"][1]["changeNote"], "Première");
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "content" / "LinuxServer.pak"), "linux pak");
}

TEST_F(SteamWorkshopTest, DrivePathsAreLookedUpOnTheMachine)
{
	StartSteam();
	WriteFile(Machine / "drives" / "e" / "Maps" / "Workshop" / "WindowsNoEditor.pak", "from drive e");
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, "E:\\Maps\\Workshop"));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultOK);
	EXPECT_EQ(ReadFile(ItemFolder(ArenaId) / "content" / "WindowsNoEditor.pak"), "from drive e");
}

TEST_F(SteamWorkshopTest, TextLimits)
{
	StartSteam();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	EXPECT_TRUE(SteamUGC()->SetItemTitle(Update, std::string(128, 't').c_str()));
	EXPECT_FALSE(SteamUGC()->SetItemTitle(Update, std::string(129, 't').c_str()));
	EXPECT_FALSE(SteamUGC()->SetItemTitle(Update, "Ar\xE8ne")); // Latin-1, not UTF-8
	EXPECT_FALSE(SteamUGC()->SetItemTitle(Update, nullptr));
	EXPECT_TRUE(SteamUGC()->SetItemMetadata(Update, std::string(5000, 'm').c_str()));
	EXPECT_FALSE(SteamUGC()->SetItemMetadata(Update, std::string(5001, 'm').c_str()));
	EXPECT_FALSE(SteamUGC()->SetItemDescription(Update, std::string(8001, 'd').c_str()));
	EXPECT_FALSE(SteamUGC()->SetItemVisibility(Update, static_cast<ERemoteStoragePublishedFileVisibility>(3)));
	EXPECT_FALSE(SteamUGC()->SetItemTitle(k_UGCUpdateHandleInvalid, "Arena"));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultOK);
	EXPECT_EQ(ReadItem(ArenaId)["title"], std::string(128, 't'));
	EXPECT_EQ(ReadItem(ArenaId)["metadata"], std::string(5000, 'm'));
	EXPECT_FALSE(SteamUGC()->SetItemTitle(Update, "After submission"));
}

TEST_F(SteamWorkshopTest, TagLimits)
{
	StartSteam();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	auto SetTags = [&](std::vector<std::string> Tags) {
		std::vector<const char*> Pointers;
		for (const std::string& Tag : Tags)
		{
			Pointers.push_back(Tag.c_str());
		}
		const SteamParamStringArray_t List{Pointers.data(), static_cast<int32>(Pointers.size())};
		return SteamUGC()->SetItemTags(Update, &List);
	};
	std::string LongUtf8;
	for (int I = 0; I < 255; ++I)
	{
		LongUtf8 += "é";
	}
	EXPECT_TRUE(SetTags({std::string(255, 'a'), LongUtf8}));
	EXPECT_FALSE(SetTags({std::string(256, 'a')}));
	EXPECT_FALSE(SetTags({"Search, and Destroy"}));
	EXPECT_FALSE(SetTags({"Line\nBreak"}));
	EXPECT_FALSE(SteamUGC()->SetItemTags(Update, nullptr));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultOK);
	EXPECT_EQ(ReadItem(ArenaId)["tags"], Json({std::string(255, 'a'), LongUtf8}));
}

TEST_F(SteamWorkshopTest, ContentMustBeAnAbsoluteFolder)
{
	StartSteam();
	const std::filesystem::path Content = MakeContent();
	for (const std::string& Folder : {(Temp.Path() / "missing").string(), (Content / "LinuxServer.pak").string(),
									 std::string("Workshop/relative")})
	{
		const UGCUpdateHandle_t Update = StartArenaUpdate();
		ASSERT_TRUE(SteamUGC()->SetItemContent(Update, Folder.c_str()));
		EXPECT_EQ(Submit(Update).m_eResult, k_EResultFileNotFound) << Folder;
	}
}

TEST_F(SteamWorkshopTest, PreviewMustExistAndBeFrom16BytesToUnder1MB)
{
	StartSteam();
	const std::vector<std::pair<std::filesystem::path, EResult>> Cases = {
		{Temp.Path() / "missing.png", k_EResultFileNotFound},
		{MakeFile("tiny.png", 15), k_EResultInvalidParam},
		{MakeFile("small.png", 16), k_EResultOK},
		{MakeFile("large.png", 1024 * 1024 - 1), k_EResultOK},
		{MakeFile("huge.png", 1024 * 1024), k_EResultLimitExceeded},
	};
	for (const auto& [File, Expected] : Cases)
	{
		const UGCUpdateHandle_t Update = StartArenaUpdate();
		ASSERT_TRUE(SteamUGC()->SetItemPreview(Update, File.c_str()));
		EXPECT_EQ(Submit(Update).m_eResult, Expected) << File;
	}
}

TEST_F(SteamWorkshopTest, ProgressMovesThroughTheStatusesUntilTheResult)
{
	SetClient({{"resultDelayFrames", 5}});
	StartSteam();
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, MakeContent().c_str()));
	uint64 Processed = 1;
	uint64 Total = 1;
	EXPECT_EQ(SteamUGC()->GetItemUpdateProgress(Update, &Processed, &Total), k_EItemUpdateStatusInvalid);
	CCallResult<ResultRecorder, SubmitItemUpdateResult_t> Holder;
	Holder.Set(SteamUGC()->SubmitItemUpdate(Update, ""), &Owner, &ResultRecorder::OnSubmit);
	std::vector<EItemUpdateStatus> Seen;
	while (Owner.SubmitCalls == 0 && Seen.size() < 10)
	{
		Seen.push_back(SteamUGC()->GetItemUpdateProgress(Update, &Processed, &Total));
		EXPECT_EQ(Total, 31u); // the three files' bytes
		EXPECT_LE(Processed, Total);
		Pump();
	}
	EXPECT_EQ(Seen, (std::vector<EItemUpdateStatus>{k_EItemUpdateStatusPreparingConfig,
													 k_EItemUpdateStatusPreparingContent,
													 k_EItemUpdateStatusUploadingContent,
													 k_EItemUpdateStatusUploadingPreviewFile,
													 k_EItemUpdateStatusCommittingChanges}));
	EXPECT_EQ(SteamUGC()->GetItemUpdateProgress(Update, &Processed, &Total), k_EItemUpdateStatusInvalid);
}
