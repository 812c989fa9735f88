// Texture data as the preview encoder reads it, and the textures it must cope with.
#include <gtest/gtest.h>

#include "ObjectTestSupport.h"
#include "ScratchProject.h"

using Standin::Textures::ETextureDefect;

namespace
{
UTexture2D* MakeTexture(int32 SizeX = 6, int32 SizeY = 4)
{
	return Standin::Textures::CreateTexture(CreatePackage(nullptr, TEXT("/Game/T/Tex")), FName(TEXT("Tex")), SizeX, SizeY,
											MakeBgraPixels(SizeX, SizeY));
}
} // namespace

TEST(Texture, SourceAndPlatformDataDescribeThePixels)
{
	FScratchProject Project;
	UTexture2D* Texture = MakeTexture();
	ASSERT_NE(Texture, nullptr);
	Texture->ConditionalPostLoad();
	Texture->FinishCachePlatformData();
	Texture->UpdateResource();
	ASSERT_NE(Texture->PlatformData, nullptr);
	EXPECT_EQ(Texture->PlatformData->SizeX, 6);
	EXPECT_EQ(Texture->PlatformData->SizeY, 4);
	ASSERT_EQ(Texture->PlatformData->Mips.Num(), 1);
	EXPECT_EQ(Texture->PlatformData->Mips[0].SizeX, 6);
	EXPECT_EQ(Texture->PlatformData->Mips[0].SizeY, 4);
	EXPECT_EQ(Texture->GetSizeX(), 6);
	EXPECT_EQ(Texture->Source.GetSizeX(), 6);
	EXPECT_EQ(Texture->Source.GetSizeY(), 4);
	EXPECT_EQ(Texture->Source.GetFormat(), TSF_BGRA8);

	TArray<uint8> Mip;
	ASSERT_TRUE(Texture->Source.GetMipData(Mip, 0));
	EXPECT_EQ(Mip, MakeBgraPixels(6, 4));
	EXPECT_FALSE(Texture->Source.GetMipData(Mip, 1));
	EXPECT_EQ(Mip.Num(), 0);
	EXPECT_EQ(Standin::Textures::CreateTexture(CreatePackage(nullptr, TEXT("/Game/T/Bad")), FName(TEXT("Bad")), 2, 2, MakeBgraPixels(2, 1)), nullptr);
}

TEST(Texture, PlatformDataFollowsANewSource)
{
	FScratchProject Project;
	UTexture2D* Texture = MakeTexture();
	Texture->Source.Init(16, 8, 1, 3, TSF_BGRA8);
	Texture->UpdateResource();
	ASSERT_EQ(Texture->PlatformData->Mips.Num(), 3);
	EXPECT_EQ(Texture->PlatformData->Mips[2].SizeX, 4);
	EXPECT_EQ(Texture->PlatformData->Mips[2].SizeY, 2);
	TArray<uint8> Mip;
	ASSERT_TRUE(Texture->Source.GetMipData(Mip, 2));
	EXPECT_EQ(Mip.Num(), 4 * 2 * 4);
}

TEST(Texture, DefectsStayThroughTheCachingCalls)
{
	FScratchProject Project;
	TArray<uint8> Mip;

	UTexture2D* Gray = MakeTexture();
	Standin::Textures::ApplyDefect(Gray, ETextureDefect::SourceNotBGRA8);
	Gray->UpdateResource();
	EXPECT_EQ(Gray->Source.GetFormat(), TSF_G8);
	ASSERT_TRUE(Gray->Source.GetMipData(Mip, 0));
	EXPECT_EQ(Mip.Num(), 6 * 4) << "one byte per pixel";
	EXPECT_EQ(Gray->PlatformData->Mips[0].SizeX, 6);

	UTexture2D* NoSourceMip = MakeTexture();
	Standin::Textures::ApplyDefect(NoSourceMip, ETextureDefect::NoSourceMip);
	NoSourceMip->FinishCachePlatformData();
	EXPECT_FALSE(NoSourceMip->Source.GetMipData(Mip, 0));
	ASSERT_EQ(NoSourceMip->PlatformData->Mips.Num(), 1) << "the platform data still has its mip";

	UTexture2D* NoPlatformMip = MakeTexture();
	Standin::Textures::ApplyDefect(NoPlatformMip, ETextureDefect::NoPlatformMip);
	NoPlatformMip->UpdateResource();
	NoPlatformMip->FinishCachePlatformData();
	ASSERT_NE(NoPlatformMip->PlatformData, nullptr);
	EXPECT_EQ(NoPlatformMip->PlatformData->Mips.Num(), 0);
	EXPECT_TRUE(NoPlatformMip->Source.GetMipData(Mip, 0));

	UTexture2D* NoPlatformData = MakeTexture();
	Standin::Textures::ApplyDefect(NoPlatformData, ETextureDefect::NoPlatformData);
	NoPlatformData->UpdateResource();
	EXPECT_EQ(NoPlatformData->PlatformData, nullptr);
}

TEST(Texture, SavedTextureWritesItsPngAndLoadsBack)
{
	FScratchProject Project;
	MakeTextureAsset(TEXT("/Game/Art/Logo"), TEXT("Logo"), 7, 5);
	std::string Error;
	ASSERT_TRUE(Standin::Packages::SaveDirtyPackages(Error)) << Error;
	const std::string Png = ReadFile(Project.Content("Art/Logo.png"));
	ASSERT_GT(Png.size(), 8u);
	EXPECT_EQ(Png.substr(1, 3), "PNG");

	std::filesystem::create_directories(Project.Content("Copy"));
	std::filesystem::copy_file(Project.Content("Art/Logo.uasset"), Project.Content("Copy/Logo.uasset"));
	std::filesystem::copy_file(Project.Content("Art/Logo.png"), Project.Content("Copy/Logo.png"));
	UTexture2D* Loaded = LoadObject<UTexture2D>(nullptr, TEXT("/Game/Copy/Logo.Logo"));
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->GetSizeX(), 7);
	EXPECT_EQ(Loaded->GetSizeY(), 5);
	TArray<uint8> Mip;
	ASSERT_TRUE(Loaded->Source.GetMipData(Mip, 0));
	EXPECT_EQ(Mip, MakeBgraPixels(7, 5));
}
