// What the Workshop refuses, at its boundaries: a title's bytes of UTF-8, an empty title, a preview
// of 1 MB. (ASCII titles of 128/129 bytes and previews of 1048575/1048576 bytes: WorkshopTests.cpp.)
#include "WorkshopHelpers.h"

namespace
{
std::string Repeat(const std::string& Piece, int Times)
{
	std::string Out;
	for (int I = 0; I < Times; ++I)
	{
		Out += Piece;
	}
	return Out;
}
} // namespace

TEST_F(SteamWorkshopTest, TitleLimitCountsBytesOfUtf8NotCharacters)
{
	StartSteam();
	const std::string TwoByteTitle = Repeat("é", 64);				   // 64 characters, 128 bytes
	const std::string ThreeByteTitle = Repeat("€", 42) + "ab";		   // 44 characters, 128 bytes
	ASSERT_EQ(TwoByteTitle.size(), 128u);
	ASSERT_EQ(ThreeByteTitle.size(), 128u);
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	EXPECT_TRUE(SteamUGC()->SetItemTitle(Update, TwoByteTitle.c_str()));
	EXPECT_TRUE(SteamUGC()->SetItemTitle(Update, ThreeByteTitle.c_str()));
	EXPECT_FALSE(SteamUGC()->SetItemTitle(Update, (TwoByteTitle + "a").c_str()));	// 65 characters, 129 bytes
	EXPECT_FALSE(SteamUGC()->SetItemTitle(Update, Repeat("€", 43).c_str()));		// 43 characters, 129 bytes
	// A refused title leaves the one set before.
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultOK);
	EXPECT_EQ(ReadItem(ArenaId)["title"], ThreeByteTitle);
}

TEST_F(SteamWorkshopTest, EmptyTitleIsTakenButTheSubmissionIsInvalidParam)
{
	StartSteam();
	const std::string Before = Snapshot(ArenaId);
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	EXPECT_TRUE(SteamUGC()->SetItemTitle(Update, ""));
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, MakeContent().c_str()));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultInvalidParam);
	EXPECT_EQ(Snapshot(ArenaId), Before);
	EXPECT_TRUE(StagingIsEmpty());
}

TEST_F(SteamWorkshopTest, OnlyTheLastTitleSetCounts)
{
	StartSteam();
	UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, ""));
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, "Arena Redux"));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultOK);
	EXPECT_EQ(ReadItem(ArenaId)["title"], "Arena Redux");

	Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, "Arena"));
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, ""));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultInvalidParam);
	EXPECT_EQ(ReadItem(ArenaId)["title"], "Arena Redux");
}

TEST_F(SteamWorkshopTest, UpdateWithoutATitleKeepsTheItemsTitle)
{
	StartSteam();
	const Json TitleBefore = ReadItem(ArenaId)["title"];
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemDescription(Update, ""));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultOK);
	EXPECT_EQ(ReadItem(ArenaId)["title"], TitleBefore);
	EXPECT_EQ(ReadItem(ArenaId)["description"], "");
}

TEST_F(SteamWorkshopTest, PreviewOf1MBIsLimitExceededAndChangesNothing)
{
	StartSteam();
	const std::string Before = Snapshot(ArenaId);
	const UGCUpdateHandle_t Update = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemTitle(Update, "Arena Redux"));
	ASSERT_TRUE(SteamUGC()->SetItemContent(Update, MakeContent().c_str()));
	ASSERT_TRUE(SteamUGC()->SetItemPreview(Update, MakeFile("huge.png", 1048576).c_str()));
	EXPECT_EQ(Submit(Update).m_eResult, k_EResultLimitExceeded);
	EXPECT_EQ(Snapshot(ArenaId), Before);
	EXPECT_TRUE(StagingIsEmpty());

	const UGCUpdateHandle_t Retry = StartArenaUpdate();
	ASSERT_TRUE(SteamUGC()->SetItemPreview(Retry, MakeFile("large.png", 1048575).c_str()));
	EXPECT_EQ(Submit(Retry).m_eResult, k_EResultOK);
	EXPECT_EQ(std::filesystem::file_size(ItemFolder(ArenaId) / "preview.png"), 1048575u);
}
