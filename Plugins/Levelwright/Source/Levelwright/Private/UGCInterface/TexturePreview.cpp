#include "UGCInterface/TexturePreview.h"

#include "Engine/Texture2D.h"
#include "HAL/FileManager.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "Common/LevelwrightLog.h"
#include "Modules/ModuleManager.h"
#include "Serialization/Archive.h"
#include "TextureResource.h"

namespace
{
const int32 PreviewBytesPerPixel = 4;

const FTexture2DMipMap* FindFirstPlatformMip(UTexture2D& Texture)
{
	const FTexturePlatformData* PlatformData = Texture.PlatformData;
	return PlatformData && PlatformData->Mips.Num() > 0 ? &PlatformData->Mips[0] : nullptr;
}

// The encoder is given the source bytes with the platform mip's size; both must describe one image.
bool ReadSourcePixels(UTexture2D& Texture, const FTexture2DMipMap& MM, TArray<uint8>& OutPixels)
{
	FTextureSource& Source = Texture.Source;
	const int64 ExpectedBytes = int64(MM.SizeX) * MM.SizeY * PreviewBytesPerPixel;
	if (Source.GetFormat() != TSF_BGRA8 || Source.GetSizeX() != MM.SizeX || Source.GetSizeY() != MM.SizeY)
	{
		return false;
	}
	return Source.GetMipData(OutPixels, 0) && OutPixels.Num() == ExpectedBytes && ExpectedBytes > 0;
}

// The compressed bytes, or none when the encoder cannot take the pixels.
bool EncodePng(const TArray<uint8>& Pixels, const FTexture2DMipMap& MM, TArray<uint8>& OutCompressed)
{
	IImageWrapperModule& ImageWrapperModule = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName("ImageWrapper"));
	TSharedPtr<IImageWrapper> Wrapper = ImageWrapperModule.CreateImageWrapper(EImageFormat::PNG);
	if (!Wrapper.IsValid() ||
		!Wrapper->SetRaw(Pixels.GetData(), Pixels.Num(), MM.SizeX, MM.SizeY, ERGBFormat::BGRA, 8))
	{
		return false;
	}
	OutCompressed = Wrapper->GetCompressed(0);
	return true;
}

void WritePreviewFile(TArray<uint8>& CompressedData, const FString& Path)
{
	ensure(CompressedData.Num() > 0);
	FArchive* Writer = IFileManager::Get().CreateFileWriter(*Path, 0);
	if (Writer)
	{
		Writer->Serialize(CompressedData.GetData(), CompressedData.Num());
		delete Writer;
	}
}
} // namespace

bool SaveTextureAsPng(UTexture2D* Texture, const FString& Path)
{
	// The platform data is derived from the source art: bring it up to date and wait until it is cached,
	// so that its mip sizes describe the source read below.
	Texture->UpdateResource();
	Texture->FinishCachePlatformData();
	const FTexture2DMipMap* MM = FindFirstPlatformMip(*Texture);
	if (!ensure(MM))
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("The preview texture %s has no mip, no preview is sent"), *Texture->GetName());
		return false;
	}
	TArray<uint8> Pixels;
	if (!ReadSourcePixels(*Texture, *MM, Pixels))
	{
		UE_LOG(LevelwrightLog, Warning,
			   TEXT("The preview texture %s is not 8-bit BGRA of %dx%d pixels, no preview is sent"), *Texture->GetName(),
			   MM->SizeX, MM->SizeY);
		return false;
	}
	TArray<uint8> CompressedData;
	if (EncodePng(Pixels, *MM, CompressedData))
	{
		WritePreviewFile(CompressedData, Path);
	}
	return true;
}
