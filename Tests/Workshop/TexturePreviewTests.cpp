// Writing a texture's source art as the preview PNG, and skipping textures that cannot be read safely.
#include <cstdlib>

#include "Drovik_Map.h"
#include "Standin/Textures.h"
#include "UGCInterface/TexturePreview.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"
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

// A preview that cannot be encoded must not be offered: Steam would get an older or a garbled file. The
// check before the sync finds it, so nothing at all is sent and the box says to convert the texture.
TEST_F(FTexturePreviewTest, SyncWithAnUnreadablePreviewSendsNothing)
{
	WriteSampleWorkshopMap(SampleItemId);
	FUGCInterface& WorkshopMap = StartWorkshop();
	UDrovik_Map* Definition = WorkshopMap.GetDefinition();
	ASSERT_NE(Definition, nullptr);
	ASSERT_NE(Definition->PreviewImage, nullptr);
	Standin::Textures::ApplyDefect(Definition->PreviewImage, ETextureDefect::SourceNotBGRA8);
	WriteFile(PreviewFile(), "older preview");
	const std::string ItemBefore = ReadFile(ItemDir(SampleItemId) / "item.json");
	const std::string StoredBefore = ReadFile(ItemDir(SampleItemId) / "preview.png");

	WorkshopMap.SyncMetadata();
	EXPECT_FALSE(WorkshopMap.bRequestPending);
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_FALSE(LogHas("LevelwrightLog: Synced item"));
	EXPECT_TRUE(LogHas("LevelwrightLog: Error: The preview texture Preview is G8 (8-bit grayscale), and the Workshop preview is made from "
					   "8-bit BGRA art only."));
	EXPECT_EQ(ReadFile(PreviewFile()), "older preview");
	EXPECT_EQ(ReadFile(ItemDir(SampleItemId) / "item.json"), ItemBefore);
	EXPECT_EQ(ReadFile(ItemDir(SampleItemId) / "preview.png"), StoredBefore);
}

TEST_F(FTexturePreviewTest, InspectionFindsWhatKeepsATextureFromBeingEncoded)
{
	UTexture2D* Good = MakeTexture();
	ASSERT_NE(Good, nullptr);
	EXPECT_EQ(InspectPreviewTexture(*Good), EPreviewDefect::None);
	const std::pair<ETextureDefect, EPreviewDefect> Cases[] = {
		{ETextureDefect::SourceNotBGRA8, EPreviewDefect::NotBGRA8},
		{ETextureDefect::NoSourceMip, EPreviewDefect::NoMip},
		{ETextureDefect::NoPlatformMip, EPreviewDefect::NoMip},
		{ETextureDefect::NoPlatformData, EPreviewDefect::NoMip},
	};
	for (const auto& [Defect, Expected] : Cases)
	{
		UTexture2D* Texture = MakeTexture();
		Standin::Textures::ApplyDefect(Texture, Defect);
		EXPECT_EQ(InspectPreviewTexture(*Texture), Expected) << static_cast<int>(Defect);
	}
}

namespace
{
UTexture2D* MakeTextureFromRgba(int Width, int Height, const std::vector<uint8_t>& Rgba)
{
	TArray<uint8> Bgra;
	for (size_t Pixel = 0; Pixel < Rgba.size(); Pixel += 4)
	{
		Bgra.Add(Rgba[Pixel + 2]);
		Bgra.Add(Rgba[Pixel + 1]);
		Bgra.Add(Rgba[Pixel]);
		Bgra.Add(Rgba[Pixel + 3]);
	}
	return Standin::Textures::CreateTexture(GetTransientPackage(), FName(TEXT("Shot")), Width, Height, Bgra);
}

TArray<uint8> EncodeWithTheEngine(const TArray<uint8>& Bgra, int32 Width, int32 Height)
{
	IImageWrapperModule& ImageWrapperModule = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName("ImageWrapper"));
	TSharedPtr<IImageWrapper> Wrapper = ImageWrapperModule.CreateImageWrapper(EImageFormat::PNG);
	EXPECT_TRUE(Wrapper->SetRaw(Bgra.GetData(), Bgra.Num(), Width, Height, ERGBFormat::BGRA, 8));
	return Wrapper->GetCompressed(0);
}
} // namespace

// What fits is written as it always was: the texture's pixels encoded once, byte for byte.
TEST_F(FTexturePreviewTest, ASmallPreviewIsWrittenUnchangedByteForByte)
{
	const std::vector<uint8_t> Rgba = NoisePixels(300, 200);
	UTexture2D* Texture = MakeTextureFromRgba(300, 200, Rgba);
	ASSERT_NE(Texture, nullptr);
	ASSERT_TRUE(SaveTextureAsPng(Texture, PreviewPath()));

	TArray<uint8> Bgra;
	ASSERT_TRUE(Texture->Source.GetMipData(Bgra, 0));
	const TArray<uint8> Expected = EncodeWithTheEngine(Bgra, 300, 200);
	EXPECT_EQ(ReadFile(PreviewFile()), std::string(reinterpret_cast<const char*>(Expected.GetData()), Expected.Num()));
	EXPECT_FALSE(LogHas("Scaled the preview"));
}

TEST_F(FTexturePreviewTest, ALargePreviewIsScaledUnderOneMegabyteKeepingItsAspect)
{
	UTexture2D* Texture = MakeTextureFromRgba(1024, 512, NoisePixels(1024, 512));
	ASSERT_NE(Texture, nullptr);
	ASSERT_TRUE(SaveTextureAsPng(Texture, PreviewPath()));

	const uintmax_t Bytes = std::filesystem::file_size(PreviewFile());
	EXPECT_LT(Bytes, 1048576u);
	const FDecodedPng Png = DecodePng(PreviewFile());
	ASSERT_TRUE(Png.bValid);
	EXPECT_LT(Png.Width, 1024);
	EXPECT_LE(std::abs(Png.Width - 2 * Png.Height), 1) << "2:1 but for the rounding of whole pixels: " << Png.Width << "x" << Png.Height;
	EXPECT_EQ(CountLines("LevelwrightLog: Scaled the preview Shot down from 1024x512 pixels ("), 1);
	EXPECT_TRUE(LogHas(" bytes) to " + std::to_string(Png.Width) + "x" + std::to_string(Png.Height) + " pixels (" + std::to_string(Bytes) +
					   " bytes): Steam takes a preview under 1048576 bytes"));
}

// Scaled, not cropped: every part of the picture is still there, each averaged to its own colour.
TEST_F(FTexturePreviewTest, ScalingFiltersTheWholePictureRatherThanCroppingIt)
{
	const int Size = 800;
	const uint8_t Base[4][3] = {{200, 40, 40}, {40, 200, 40}, {40, 40, 200}, {200, 200, 40}};
	std::vector<uint8_t> Rgba = NoisePixels(Size, Size);
	for (int Y = 0; Y < Size; ++Y)
	{
		for (int X = 0; X < Size; ++X)
		{
			const int Quadrant = (Y >= Size / 2 ? 2 : 0) + (X >= Size / 2 ? 1 : 0);
			uint8_t* Pixel = &Rgba[(static_cast<size_t>(Y) * Size + X) * 4];
			for (int Channel = 0; Channel < 3; ++Channel)
			{
				// Noise of -40..40 around the quadrant's colour: too much for the PNG to fit, nothing for the mean.
				Pixel[Channel] = static_cast<uint8_t>(Base[Quadrant][Channel] + Pixel[Channel] % 81 - 40);
			}
			Pixel[3] = 255;
		}
	}
	UTexture2D* Texture = MakeTextureFromRgba(Size, Size, Rgba);
	ASSERT_NE(Texture, nullptr);
	TArray<uint8> Bgra;
	ASSERT_TRUE(Texture->Source.GetMipData(Bgra, 0));
	ASSERT_GE(EncodeWithTheEngine(Bgra, Size, Size).Num(), 1048576) << "the picture must be too large as it is";

	ASSERT_TRUE(SaveTextureAsPng(Texture, PreviewPath()));
	const FDecodedPng Png = DecodePng(PreviewFile());
	ASSERT_TRUE(Png.bValid);
	ASSERT_LT(Png.Width, Size);
	ASSERT_EQ(Png.Width, Png.Height);
	for (int Quadrant = 0; Quadrant < 4; ++Quadrant)
	{
		// The inner half of the quadrant, away from the seams the filter blends.
		const int Half = Png.Width / 2;
		const int Left = (Quadrant % 2) * Half + Half / 4;
		const int Top = (Quadrant / 2) * Half + Half / 4;
		double Sum[3] = {0, 0, 0};
		int Count = 0;
		for (int Y = Top; Y < Top + Half / 2; ++Y)
		{
			for (int X = Left; X < Left + Half / 2; ++X)
			{
				for (int Channel = 0; Channel < 3; ++Channel)
				{
					Sum[Channel] += Png.Rgba[(static_cast<size_t>(Y) * Png.Width + X) * 4 + Channel];
				}
				++Count;
			}
		}
		for (int Channel = 0; Channel < 3; ++Channel)
		{
			EXPECT_NEAR(Sum[Channel] / Count, Base[Quadrant][Channel], 3.0) << "quadrant " << Quadrant << ", channel " << Channel;
		}
	}
}
} // namespace
} // namespace LevelwrightTest
