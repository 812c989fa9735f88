// Syncing the definition's title, game-mode tags and preview image to the Workshop item.
#include "WorkshopTest.h"

namespace LevelwrightTest
{
namespace
{
const std::string SampleFolder = "UGC2000000001";

class FMetadataSyncTest : public FWorkshopTest
{
protected:
	// The sample map (modes 1, 10 and 7, a 64x32 preview), then the plugin started on it.
	FUGCInterface& StartOnSampleMap()
	{
		WriteSampleWorkshopMap(SampleItemId);
		FUGCInterface& WorkshopMap = StartWorkshop();
		EXPECT_EQ(WorkshopMap.ItemId, SampleItemId);
		return WorkshopMap;
	}

	// A definition of the sample item with these properties instead of the sample's.
	FUGCInterface& StartWithDefinition(const std::string& PropertiesJson)
	{
		WriteSampleWorkshopMap(SampleItemId);
		Project.WriteDefinition(SampleFolder, PropertiesJson);
		return StartWorkshop();
	}

	void SyncAndWait()
	{
		Map().SyncMetadata();
		EXPECT_TRUE(Map().bRequestPending);
		EXPECT_TRUE(WaitForRequest()) << "Steam's answer never cleared bRequestPending";
	}

	std::string StoredPreview() const { return ReadFile(ItemDir(SampleItemId) / "preview.png"); }
};

TEST_F(FMetadataSyncTest, SendsTitleTagsInTableOrderAndThePreview)
{
	StartOnSampleMap();
	SyncAndWait();

	EXPECT_TRUE(LogHas("LevelwrightLog: Synced item"));
	const FJson Item = ReadItem(SampleItemId);
	EXPECT_EQ(Item["title"], "Arena");
	EXPECT_EQ(Item["tags"], FJson::parse(R"(["Deathmatch", "Zombie Coop", "Capture the Flag"])"));

	const std::filesystem::path Preview = SavedDir() / "preview.png";
	const FDecodedPng Png = DecodePng(Preview);
	ASSERT_TRUE(Png.bValid) << "Saved/preview.png is not a readable PNG";
	EXPECT_EQ(Png.Width, 64);
	EXPECT_EQ(Png.Height, 32);
	for (size_t Pixel = 0; Pixel < Png.Rgba.size(); Pixel += 4)
	{
		ASSERT_EQ(Png.Rgba[Pixel], 0x33);
		ASSERT_EQ(Png.Rgba[Pixel + 1], 0x66);
		ASSERT_EQ(Png.Rgba[Pixel + 2], 0xCC);
		ASSERT_EQ(Png.Rgba[Pixel + 3], 0xFF);
	}
	EXPECT_EQ(StoredPreview(), ReadFile(Preview)) << "the item's preview is the file the plugin wrote";
}

TEST_F(FMetadataSyncTest, NonAsciiTitleArrivesIntact)
{
	StartWithDefinition(R"({"MapLabel": "Ar\u00e8ne \u2713", "GameModes": [1]})");
	SyncAndWait();
	EXPECT_EQ(ReadItem(SampleItemId)["title"], "Ar\xc3\xa8ne \xe2\x9c\x93");
}

TEST_F(FMetadataSyncTest, OnlyUnlistedModesKeepTheItemsTags)
{
	StartWithDefinition(R"({"MapLabel": "Arena", "GameModes": [4, 5, 9]})");
	SyncAndWait();
	EXPECT_TRUE(LogHas("LevelwrightLog: Synced item"));
	EXPECT_EQ(ReadItem(SampleItemId)["tags"], FJson::parse(R"(["Deathmatch"])"));
}

TEST_F(FMetadataSyncTest, NoPreviewImageKeepsTheItemsPreview)
{
	const std::string Before = ReadFile(ItemDir(SampleItemId) / "preview.png");
	StartWithDefinition(R"({"MapLabel": "Renamed", "GameModes": [12]})");
	SyncAndWait();
	EXPECT_FALSE(std::filesystem::exists(SavedDir() / "preview.png"));
	const FJson Item = ReadItem(SampleItemId);
	EXPECT_EQ(Item["title"], "Renamed");
	EXPECT_EQ(Item["tags"], FJson::parse(R"(["Push"])"));
	EXPECT_EQ(StoredPreview(), Before);
}

TEST_F(FMetadataSyncTest, FailedResultIsLoggedWithItsCode)
{
	SetFault("SubmitItemUpdate", "2");
	FUGCInterface& WorkshopMap = StartOnSampleMap();
	SyncAndWait();
	EXPECT_TRUE(LogHas("LevelwrightLog: Failed to sync 2"));
	EXPECT_FALSE(LogHas("Synced item"));
	EXPECT_FALSE(WorkshopMap.bRequestPending);
}

TEST_F(FMetadataSyncTest, PreviewOfOneMegabyteOrMoreIsRefusedBySteam)
{
	WriteSampleWorkshopMap(SampleItemId);
	const std::string Folder = "/Game/CustomMaps/" + SampleFolder;
	WriteFile(Project.ContentPath(Folder + "/Preview", ".png"), EncodePng(600, 600, NoisePixels(600, 600)));
	StartWorkshop();
	SyncAndWait();
	ASSERT_GE(std::filesystem::file_size(SavedDir() / "preview.png"), 1024u * 1024u);
	EXPECT_TRUE(LogHas("LevelwrightLog: Failed to sync 25"));
}

TEST_F(FMetadataSyncTest, RefusedRequestReleasesTheRequestAtOnce)
{
	SetFault("SubmitItemUpdate", "\"refuse\"");
	FUGCInterface& WorkshopMap = StartOnSampleMap();
	WorkshopMap.SyncMetadata();
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: "));
}

TEST_F(FMetadataSyncTest, IOFailureIsAnErrorNotASuccess)
{
	SetFault("SubmitItemUpdate", "\"ioFailure\"");
	FUGCInterface& WorkshopMap = StartOnSampleMap();
	SyncAndWait();
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: "));
	EXPECT_FALSE(LogHas("Synced item"));
}

TEST_F(FMetadataSyncTest, MissingDefinitionSendsNothing)
{
	FUGCInterface& WorkshopMap = StartWorkshop();
	WorkshopMap.ItemId = SampleItemId;
	const std::string Before = ReadFile(ItemDir(SampleItemId) / "item.json");
	WorkshopMap.SyncMetadata();
	EXPECT_TRUE(EnsureReported("Definition"));
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	Tick(5);
	EXPECT_EQ(ReadFile(ItemDir(SampleItemId) / "item.json"), Before);
}

TEST_F(FMetadataSyncTest, SecondSyncBeforeTheAnswerIsHandledOnce)
{
	FUGCInterface& WorkshopMap = StartOnSampleMap();
	WorkshopMap.SyncMetadata();
	WorkshopMap.SyncMetadata();
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	EXPECT_EQ(CountLines("LevelwrightLog: Synced item"), 1);
}
} // namespace
} // namespace LevelwrightTest
