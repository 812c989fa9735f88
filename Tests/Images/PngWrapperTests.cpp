#include <cstring>
#include <gtest/gtest.h>
#include <png.h>
#include <random>

#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"
#include "ScratchProject.h"

namespace
{
TSharedPtr<IImageWrapper> CreatePng()
{
	IImageWrapperModule& Module = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName("ImageWrapper"));
	return Module.CreateImageWrapper(EImageFormat::PNG);
}

TArray<uint8> RandomPixels(int32 Count, uint32 Seed)
{
	std::mt19937 Random(Seed);
	TArray<uint8> Pixels;
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Pixels.Add(static_cast<uint8>(Random()));
	}
	return Pixels;
}

// Decodes with libpng directly, as RGBA: the reference the wrapper's output is checked against.
std::vector<uint8> DecodeRgbaWithLibpng(const TArray<uint8>& Png, png_uint_32& OutWidth, png_uint_32& OutHeight)
{
	png_image Image;
	std::memset(&Image, 0, sizeof(Image));
	Image.version = PNG_IMAGE_VERSION;
	if (!png_image_begin_read_from_memory(&Image, Png.GetData(), Png.Num()))
	{
		return {};
	}
	Image.format = PNG_FORMAT_RGBA;
	std::vector<uint8> Pixels(PNG_IMAGE_SIZE(Image));
	if (!png_image_finish_read(&Image, nullptr, Pixels.data(), 0, nullptr))
	{
		return {};
	}
	OutWidth = Image.width;
	OutHeight = Image.height;
	return Pixels;
}
} // namespace

TEST(PngWrapper, EncodesBgraAsAnRgbaPngThatDecodesBack)
{
	FScratchProject Project;
	const int32 Width = 37;
	const int32 Height = 23;
	const TArray<uint8> Bgra = RandomPixels(Width * Height * 4, 7);
	TSharedPtr<IImageWrapper> Wrapper = CreatePng();
	ASSERT_TRUE(Wrapper.IsValid());
	ASSERT_TRUE(Wrapper->SetRaw(Bgra.GetData(), Bgra.Num(), Width, Height, ERGBFormat::BGRA, 8));
	const TArray<uint8> Png = Wrapper->GetCompressed(0);
	ASSERT_GT(Png.Num(), 8);

	png_uint_32 DecodedWidth = 0;
	png_uint_32 DecodedHeight = 0;
	const std::vector<uint8> Rgba = DecodeRgbaWithLibpng(Png, DecodedWidth, DecodedHeight);
	ASSERT_EQ(DecodedWidth, static_cast<png_uint_32>(Width));
	ASSERT_EQ(DecodedHeight, static_cast<png_uint_32>(Height));
	ASSERT_EQ(Rgba.size(), static_cast<size_t>(Bgra.Num()));
	for (int32 Pixel = 0; Pixel < Width * Height; ++Pixel)
	{
		const uint8* In = &Bgra[Pixel * 4];
		const uint8* Out = &Rgba[Pixel * 4];
		ASSERT_EQ((std::array<uint8, 4>{Out[0], Out[1], Out[2], Out[3]}), (std::array<uint8, 4>{In[2], In[1], In[0], In[3]})) << "pixel " << Pixel;
	}

	TSharedPtr<IImageWrapper> Reader = CreatePng();
	ASSERT_TRUE(Reader->SetCompressed(Png.GetData(), Png.Num()));
	EXPECT_EQ(Reader->GetWidth(), Width);
	EXPECT_EQ(Reader->GetHeight(), Height);
	const TArray<uint8>* Raw = nullptr;
	ASSERT_TRUE(Reader->GetRaw(ERGBFormat::BGRA, 8, Raw));
	ASSERT_NE(Raw, nullptr);
	EXPECT_EQ(*Raw, Bgra);
}

TEST(PngWrapper, GrayAndUncompressedImages)
{
	FScratchProject Project;
	const TArray<uint8> Gray = RandomPixels(16 * 9, 3);
	TSharedPtr<IImageWrapper> Wrapper = CreatePng();
	ASSERT_TRUE(Wrapper->SetRaw(Gray.GetData(), Gray.Num(), 16, 9, ERGBFormat::Gray, 8));
	EXPECT_GT(Wrapper->GetCompressed().Num(), 8);
	const TArray<uint8> Stored = Wrapper->GetCompressed(static_cast<int32>(EImageCompressionQuality::Uncompressed));
	EXPECT_GT(Stored.Num(), 16 * 9) << "stored blocks hold every byte";

	TSharedPtr<IImageWrapper> Reader = CreatePng();
	ASSERT_TRUE(Reader->SetCompressed(Stored.GetData(), Stored.Num()));
	const TArray<uint8>* Raw = nullptr;
	ASSERT_TRUE(Reader->GetRaw(ERGBFormat::Gray, 8, Raw));
	EXPECT_EQ(*Raw, Gray);
	EXPECT_EQ(Reader->GetFormat(), ERGBFormat::Gray);
}

TEST(PngWrapper, SetRawRefusesSizesThatDoNotMatch)
{
	FScratchProject Project;
	const TArray<uint8> Pixels = RandomPixels(4 * 4 * 4 + 1, 1);
	TSharedPtr<IImageWrapper> Wrapper = CreatePng();
	EXPECT_FALSE(Wrapper->SetRaw(Pixels.GetData(), 4 * 4 * 4 - 1, 4, 4, ERGBFormat::BGRA, 8)) << "one byte short";
	EXPECT_FALSE(Wrapper->SetRaw(Pixels.GetData(), 4 * 4 * 4 + 1, 4, 4, ERGBFormat::BGRA, 8)) << "one byte over";
	EXPECT_FALSE(Wrapper->SetRaw(Pixels.GetData(), 4 * 4, 4, 4, ERGBFormat::BGRA, 8)) << "gray-sized data as BGRA";
	EXPECT_FALSE(Wrapper->SetRaw(Pixels.GetData(), 0, 0, 4, ERGBFormat::BGRA, 8)) << "no pixels";
	EXPECT_FALSE(Wrapper->SetRaw(Pixels.GetData(), 4 * 4 * 8, 4, 4, ERGBFormat::BGRA, 16)) << "16 bits per channel";
	EXPECT_FALSE(Wrapper->SetRaw(nullptr, 4 * 4 * 4, 4, 4, ERGBFormat::BGRA, 8));
	EXPECT_EQ(Wrapper->GetCompressed().Num(), 0) << "nothing to compress after a refused SetRaw";
	EXPECT_TRUE(Wrapper->SetRaw(Pixels.GetData(), 4 * 4 * 4, 4, 4, ERGBFormat::BGRA, 8));
}

TEST(PngWrapper, RefusesWhatIsNotAPngAndFormatsItDoesNotHave)
{
	FScratchProject Project;
	TSharedPtr<IImageWrapper> Wrapper = CreatePng();
	const char Garbage[] = "GIF89a not a png at all";
	EXPECT_FALSE(Wrapper->SetCompressed(Garbage, sizeof(Garbage)));
	const TArray<uint8>* Raw = nullptr;
	EXPECT_FALSE(Wrapper->GetRaw(ERGBFormat::BGRA, 8, Raw));

	// A PNG signature followed by garbage.
	const uint8 Truncated[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H'};
	EXPECT_FALSE(Wrapper->SetCompressed(Truncated, sizeof(Truncated)));

	IImageWrapperModule& Module = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName("ImageWrapper"));
	EXPECT_FALSE(Module.CreateImageWrapper(EImageFormat::JPEG).IsValid());
	EXPECT_EQ(Module.DetectImageFormat(Garbage, sizeof(Garbage)), EImageFormat::Invalid);
	EXPECT_EQ(Module.DetectImageFormat(Truncated, sizeof(Truncated)), EImageFormat::PNG);
}
