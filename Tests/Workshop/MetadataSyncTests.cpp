// Syncing the definition's title, game-mode tags and preview image to the Workshop item.
#include "Drovik_Map.h"
#include "Standin/Textures.h"
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

// The existing line keeps its place; the added line says what the code means and what to do.
TEST_F(FMetadataSyncTest, FailedResultIsLoggedWithItsCodeAndItsMeaning)
{
	SetFault("SubmitItemUpdate", "33");
	FUGCInterface& WorkshopMap = StartOnSampleMap();
	SyncAndWait();
	EXPECT_TRUE(LogHas("LevelwrightLog: Failed to sync 33"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: Steam answered the metadata sync with result 33, locking failed: another update of this "
					   "item is still running. Wait until it is done, then try again."));
	EXPECT_FALSE(LogHas("Synced item"));
	EXPECT_FALSE(WorkshopMap.bRequestPending);
}

// A noisy 720 x 480 image makes a PNG of about 1.3 MB (Steam refuses 1 MB or more with 25): the plugin
// scales it down, keeping its aspect, until its PNG fits, and Steam takes it.
TEST_F(FMetadataSyncTest, PreviewOfOneMegabyteOrMoreIsScaledDownUntilSteamTakesIt)
{
	WriteSampleWorkshopMap(SampleItemId);
	const std::string Folder = "/Game/CustomMaps/" + SampleFolder;
	const std::string Source = EncodePng(720, 480, NoisePixels(720, 480));
	ASSERT_GE(Source.size(), 1024u * 1024u) << "the test image must be over the limit";
	WriteFile(Project.ContentPath(Folder + "/Preview", ".png"), Source);
	StartWorkshop();
	SyncAndWait();

	const std::filesystem::path Preview = SavedDir() / "preview.png";
	const uintmax_t Bytes = std::filesystem::file_size(Preview);
	EXPECT_LT(Bytes, 1024u * 1024u);
	const FDecodedPng Png = DecodePng(Preview);
	ASSERT_TRUE(Png.bValid);
	EXPECT_LT(Png.Width, 720);
	EXPECT_NEAR(static_cast<double>(Png.Width) / Png.Height, 1.5, 0.01) << Png.Width << "x" << Png.Height;
	EXPECT_EQ(CountLines("LevelwrightLog: Scaled the preview Preview down from 720x480 pixels ("), 1);
	EXPECT_TRUE(LogHas("to " + std::to_string(Png.Width) + "x" + std::to_string(Png.Height) + " pixels (" + std::to_string(Bytes) +
					   " bytes): Steam takes a preview under 1048576 bytes"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Synced item"));
	EXPECT_EQ(StoredPreview(), ReadFile(Preview)) << "Steam took the scaled preview";
}

// 65 times "é" is 130 bytes of UTF-8: Steam would refuse it (SetItemTitle false), so nothing is sent.
TEST_F(FMetadataSyncTest, OverlongTitleIsRefusedBeforeSteamWithItsByteCount)
{
	std::string Title;
	for (int Letter = 0; Letter < 65; ++Letter)
	{
		Title += "\\u00e9";
	}
	FUGCInterface& WorkshopMap = StartWithDefinition("{\"MapLabel\": \"" + Title + "\", \"GameModes\": [1]}");
	const std::string Before = ReadFile(ItemDir(SampleItemId) / "item.json");

	WorkshopMap.SyncMetadata();

	EXPECT_FALSE(WorkshopMap.bRequestPending);
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_EQ(ReadFile(ItemDir(SampleItemId) / "item.json"), Before);
	const std::string Problem = "The title (MapLabel in the map's definition) takes 130 bytes, and Steam takes at most 128. Shorten it: "
								"letters such as \"\xc3\xa9\" take two bytes or more.";
	EXPECT_EQ(CountLines("LevelwrightLog: Error: " + Problem), 1);
	ASSERT_EQ(Boxes().size(), 1u);
	EXPECT_EQ(Boxes()[0].Caption, "Drovik Workshop");
	EXPECT_EQ(Boxes()[0].Text, "Sync Metadata sent nothing to Steam. Fix the following, then try again:\n\n- " + Problem);
}

// Every problem is found at once, in one box: the author fixes them all before the next try.
TEST_F(FMetadataSyncTest, EveryProblemIsListedInOneBox)
{
	WriteSampleWorkshopMap(SampleItemId);
	Project.WriteDefinition(SampleFolder, R"({"MapLabel": "", "GameModes": [1], "PreviewImage": "/Game/CustomMaps/UGC2000000001/Preview.Preview"})");
	FUGCInterface& WorkshopMap = StartWorkshop();
	UTexture2D* Preview = WorkshopMap.GetDefinition()->PreviewImage;
	ASSERT_NE(Preview, nullptr);
	Standin::Textures::ApplyDefect(Preview, Standin::Textures::ETextureDefect::SourceNotBGRA8);

	WorkshopMap.SyncMetadata();

	EXPECT_FALSE(WorkshopMap.bRequestPending);
	ASSERT_EQ(Boxes().size(), 1u);
	EXPECT_EQ(Boxes()[0].Text,
			  "Sync Metadata sent nothing to Steam. Fix the following, then try again:\n"
			  "\n- The title (MapLabel in the map's definition) is empty, and Steam refuses an item without one. Give the map a title in "
			  "its definition."
			  "\n- The preview texture Preview is G8 (8-bit grayscale), and the Workshop preview is made from 8-bit BGRA art only. "
			  "Convert it: reimport the image as a color texture (B8G8R8A8), or choose another PreviewImage in the definition.");
	EXPECT_EQ(CountLines("LevelwrightLog: Error: "), 2);
	EXPECT_FALSE(LogHas("no preview is sent")) << "the texture was not read for sending";
}

// 64 times "é" is 128 bytes, the most Steam takes: the check lets it through and Steam stores it.
TEST_F(FMetadataSyncTest, TitleOfExactly128BytesIsSent)
{
	std::string Json;
	std::string Utf8;
	for (int Letter = 0; Letter < 64; ++Letter)
	{
		Json += "\\u00e9";
		Utf8 += "\xc3\xa9";
	}
	StartWithDefinition("{\"MapLabel\": \"" + Json + "\", \"GameModes\": [1]}");
	SyncAndWait();
	EXPECT_TRUE(Boxes().empty());
	EXPECT_EQ(ReadItem(SampleItemId)["title"], Utf8);
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
