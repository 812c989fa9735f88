#include "UGCInterface/TexturePreview.h"

#include "Common/LevelwrightLog.h"
#include "Engine/Texture2D.h"
#include "HAL/FileManager.h"
#include "IImageWrapper.h"
#include "IImageWrapperModule.h"
#include "ImageUtils.h"
#include "Modules/ModuleManager.h"
#include "Serialization/Archive.h"
#include "TextureResource.h"
#include "UGCInterface/WorkshopConstants.h"
#include "UGCInterface/WorkshopResultTexts.h"

namespace
{
const int32 PreviewBytesPerPixel = 4;

const FTexture2DMipMap* FindFirstPlatformMip(UTexture2D& Texture)
{
	const FTexturePlatformData* PlatformData = Texture.PlatformData;
	return PlatformData && PlatformData->Mips.Num() > 0 ? &PlatformData->Mips[0] : nullptr;
}

// The encoder is given the source bytes with the platform mip's size; both must describe one image.
bool DescribesFirstMip(FTextureSource& Source, const FTexture2DMipMap& MM)
{
	return Source.GetFormat() == TSF_BGRA8 && Source.GetSizeX() == MM.SizeX && Source.GetSizeY() == MM.SizeY;
}

bool ReadSourcePixels(UTexture2D& Texture, const FTexture2DMipMap& MM, TArray<uint8>& OutPixels)
{
	const int64 ExpectedBytes = int64(MM.SizeX) * MM.SizeY * PreviewBytesPerPixel;
	if (!DescribesFirstMip(Texture.Source, MM))
	{
		return false;
	}
	return Texture.Source.GetMipData(OutPixels, 0) && OutPixels.Num() == ExpectedBytes && ExpectedBytes > 0;
}

// The compressed bytes, or none when the encoder cannot take the pixels.
bool EncodePng(const TArray<uint8>& Pixels, int32 SizeX, int32 SizeY, TArray<uint8>& OutCompressed)
{
	IImageWrapperModule& ImageWrapperModule = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName("ImageWrapper"));
	TSharedPtr<IImageWrapper> Wrapper = ImageWrapperModule.CreateImageWrapper(EImageFormat::PNG);
	if (!Wrapper.IsValid() || !Wrapper->SetRaw(Pixels.GetData(), Pixels.Num(), SizeX, SizeY, ERGBFormat::BGRA, 8))
	{
		return false;
	}
	OutCompressed = Wrapper->GetCompressed(0);
	return true;
}

// 8-bit BGRA bytes are FColors in memory order; each is built from its channels, so no layout is assumed.
TArray<FColor> ToColors(const TArray<uint8>& Bgra)
{
	TArray<FColor> Colors;
	Colors.Reserve(Bgra.Num() / PreviewBytesPerPixel);
	for (int32 Index = 0; Index + 3 < Bgra.Num(); Index += PreviewBytesPerPixel)
	{
		Colors.Add(FColor(Bgra[Index + 2], Bgra[Index + 1], Bgra[Index], Bgra[Index + 3]));
	}
	return Colors;
}

TArray<uint8> ToBgra(const TArray<FColor>& Colors)
{
	TArray<uint8> Bgra;
	Bgra.Reserve(Colors.Num() * PreviewBytesPerPixel);
	for (const FColor& Color : Colors)
	{
		Bgra.Add(Color.B);
		Bgra.Add(Color.G);
		Bgra.Add(Color.R);
		Bgra.Add(Color.A);
	}
	return Bgra;
}

// Steam refuses a preview of PreviewFileLimit bytes or more (result 25). Each try scales the source
// image afresh, so the picture is filtered once, however many tries it takes.
void ShrinkToFit(const UTexture2D& Texture, const TArray<uint8>& Pixels, int32 SizeX, int32 SizeY, TArray<uint8>& InOutCompressed)
{
	if (FitsWorkshopPreview(InOutCompressed.Num()))
	{
		return;
	}
	const TArray<FColor> SourceColors = ToColors(Pixels);
	TArray<uint8> Compressed = InOutCompressed;
	int32 ScaledX = SizeX;
	int32 ScaledY = SizeY;
	while (!FitsWorkshopPreview(Compressed.Num()) && (ScaledX > 1 || ScaledY > 1))
	{
		GetScaledPreviewSize(ScaledX, ScaledY, Compressed.Num(), ScaledX, ScaledY);
		TArray<FColor> Scaled;
		FImageUtils::ImageResize(SizeX, SizeY, SourceColors, ScaledX, ScaledY, Scaled, false);
		if (!EncodePng(ToBgra(Scaled), ScaledX, ScaledY, Compressed))
		{
			return;
		}
	}
	UE_LOG(LevelwrightLog, Log, TEXT("%s"),
		   *WorkshopResultTexts::MakePreviewScaledLine(Texture.GetName(), SizeX, SizeY, InOutCompressed.Num(), ScaledX, ScaledY,
													   Compressed.Num()));
	InOutCompressed = Compressed;
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

// The platform data is derived from the source art: bring it up to date and wait until it is cached,
// so that its mip sizes describe the source read below.
void CachePlatformData(UTexture2D& Texture)
{
	Texture.UpdateResource();
	Texture.FinishCachePlatformData();
}
} // namespace

bool SaveTextureAsPng(UTexture2D* Texture, const FString& Path)
{
	CachePlatformData(*Texture);
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
	if (EncodePng(Pixels, MM->SizeX, MM->SizeY, CompressedData))
	{
		ShrinkToFit(*Texture, Pixels, MM->SizeX, MM->SizeY, CompressedData);
		WritePreviewFile(CompressedData, Path);
	}
	return true;
}

EPreviewDefect InspectPreviewTexture(UTexture2D& Texture)
{
	CachePlatformData(Texture);
	if (Texture.Source.GetFormat() != TSF_BGRA8)
	{
		return EPreviewDefect::NotBGRA8;
	}
	const FTexture2DMipMap* MM = FindFirstPlatformMip(Texture);
	if (!MM || Texture.Source.GetNumMips() < 1 || !DescribesFirstMip(Texture.Source, *MM))
	{
		return EPreviewDefect::NoMip;
	}
	return EPreviewDefect::None;
}

bool FitsWorkshopPreview(int64 FileBytes)
{
	return FileBytes < PreviewFileLimit;
}

void GetScaledPreviewSize(int32 SizeX, int32 SizeY, int64 FileBytes, int32& OutSizeX, int32& OutSizeY)
{
	// A PNG's size follows its pixel count, so the sides shrink by the square root of the byte ratio;
	// nine tenths of that leaves room for images that compress worse when smaller. The sides are
	// scaled in double precision, so that 0.9 of 2000 is 1800, not 1799.
	const double Ratio = static_cast<double>(PreviewFileLimit) / static_cast<double>(FMath::Max<int64>(FileBytes, 1));
	const double Scale = FMath::Min(0.9, 0.9 * FMath::Sqrt(static_cast<float>(Ratio)));
	OutSizeX = FMath::Max(1, static_cast<int32>(SizeX * Scale));
	OutSizeY = FMath::Max(1, static_cast<int32>(SizeY * Scale));
}
