// Writing a texture's source art as the preview PNG, and skipping textures that cannot be read safely.
#include "Drovik_Map.h"
#include "Standin/Textures.h"
#include "UGCInterface/TexturePreview.h"
#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "WorkshopTest.h"

namespace LevelwrightTest
{
namespace
{
using Standin::Textures::ETextureDefect;

class FTexturePreviewTest : public FWorkshopTest
{
protected:
	std::filesystem::path PreviewFile() const { return SavedDir() / "preview.png"; }
	FString PreviewPath() const { return FString(PreviewFile().u16string().c_str()); }

	// 3x2 pixels, each a different colour, given as BGRA as the texture holds them.
	static UTexture2D* MakeTexture()
	{
		TArray<uint8> Bgra;
		for (int Pixel = 0; Pixel < 6; ++Pixel)
		{
			Bgra.Add(static_cast<uint8>(10 * Pixel));	   // B
			Bgra.Add(static_cast<uint8>(100 + Pixel));	   // G
			Bgra.Add(static_cast<uint8>(200 + Pixel));	   // R
			Bgra.Add(static_cast<uint8>(255 - 20 * Pixel)); // A
		}
		return Standin::Textures::CreateTexture(GetTransientPackage(), FName(TEXT("Preview")), 3, 2, Bgra);
	}

	// The texture with the defect is skipped: false, a Warning, and an older file left as it was.
	void ExpectSkipped(ETextureDefect Defect)
	{
		UTexture2D* Texture = MakeTexture();
		ASSERT_NE(Texture, nullptr);
		Standin::Textures::ApplyDefect(Texture, Defect);
		WriteFile(PreviewFile(), "older preview");
		EXPECT_FALSE(SaveTextureAsPng(Texture, PreviewPath()));
		EXPECT_TRUE(LogHas("LevelwrightLog: Warning: "));
		EXPECT_EQ(ReadFile(PreviewFile()), "older preview");
	}
};

TEST_F(FTexturePreviewTest, WritesTheSourcePixelsAsPng)
{
	UTexture2D* Texture = MakeTexture();
	ASSERT_NE(Texture, nullptr);
	WriteFile(PreviewFile(), "older preview");
	ASSERT_TRUE(SaveTextureAsPng(Texture, PreviewPath()));
	const FDecodedPng Png = DecodePng(PreviewFile());
	ASSERT_TRUE(Png.bValid);
	ASSERT_EQ(Png.Width, 3);
	ASSERT_EQ(Png.Height, 2);
	for (int Pixel = 0; Pixel < 6; ++Pixel)
	{
		EXPECT_EQ(Png.Rgba[Pixel * 4 + 0], 200 + Pixel) << "red of pixel " << Pixel;
		EXPECT_EQ(Png.Rgba[Pixel * 4 + 1], 100 + Pixel) << "green of pixel " << Pixel;
		EXPECT_EQ(Png.Rgba[Pixel * 4 + 2], 10 * Pixel) << "blue of pixel " << Pixel;
		EXPECT_EQ(Png.Rgba[Pixel * 4 + 3], 255 - 20 * Pixel) << "alpha of pixel " << Pixel;
	}
}

TEST_F(FTexturePreviewTest, SkipsSourceThatIsNotBGRA8)
{
	ExpectSkipped(ETextureDefect::SourceNotBGRA8);
}

TEST_F(FTexturePreviewTest, SkipsSourceWithoutMip)
{
	ExpectSkipped(ETextureDefect::NoSourceMip);
}

TEST_F(FTexturePreviewTest, SkipsTextureWithoutPlatformMip)
{
	ExpectSkipped(ETextureDefect::NoPlatformMip);
	EXPECT_TRUE(EnsureReported("MM"));
}

TEST_F(FTexturePreviewTest, SkipsTextureWithoutPlatformData)
{
	ExpectSkipped(ETextureDefect::NoPlatformData);
	EXPECT_TRUE(EnsureReported("MM"));
}

// A preview that cannot be encoded must not be offered: Steam would get an older or a garbled file.
TEST_F(FTexturePreviewTest, SyncWithAnUnreadablePreviewKeepsTheItemsPreview)
{
	WriteSampleWorkshopMap(SampleItemId);
	FUGCInterface& WorkshopMap = StartWorkshop();
	UDrovik_Map* Definition = WorkshopMap.GetDefinition();
	ASSERT_NE(Definition, nullptr);
	ASSERT_NE(Definition->PreviewImage, nullptr);
	Standin::Textures::ApplyDefect(Definition->PreviewImage, ETextureDefect::SourceNotBGRA8);
	WriteFile(PreviewFile(), "older preview");
	const std::string StoredBefore = ReadFile(ItemDir(SampleItemId) / "preview.png");

	WorkshopMap.SyncMetadata();
	ASSERT_TRUE(WaitForRequest());
	EXPECT_TRUE(LogHas("LevelwrightLog: Synced item"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Warning: "));
	EXPECT_EQ(ReadFile(ItemDir(SampleItemId) / "preview.png"), StoredBefore);
	EXPECT_EQ(ReadItem(SampleItemId)["tags"], FJson::parse(R"(["Deathmatch", "Zombie Coop", "Capture the Flag"])"));
}
} // namespace
} // namespace LevelwrightTest
