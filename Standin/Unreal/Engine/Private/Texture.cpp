#include "Engine/Texture.h"

#include <cstring>

#include "Engine/Texture2D.h"
#include "Standin/ClassModel.h"
#include "TextureAccess.h"

using Standin::FPackageJson;
using Standin::FPropertyContext;
using Standin::FPropertyDesc;
using Standin::Textures::FTextureAccess;

int32 FTextureSource::GetBytesPerPixel() const
{
	switch (Format)
	{
	case TSF_G8:
		return 1;
	case TSF_BGRA8:
	case TSF_BGRE8:
	case TSF_RGBA8:
	case TSF_RGBE8:
		return 4;
	case TSF_RGBA16:
	case TSF_RGBA16F:
		return 8;
	default:
		return 0;
	}
}

int64 FTextureSource::CalcMipSize(int32 MipIndex) const
{
	const int64 MipX = std::max(1, SizeX >> MipIndex);
	const int64 MipY = std::max(1, SizeY >> MipIndex);
	return MipX * MipY * NumSlices * GetBytesPerPixel();
}

void FTextureSource::Init(int32 NewSizeX, int32 NewSizeY, int32 NewNumSlices, int32 NewNumMips, ETextureSourceFormat NewFormat,
						  const uint8* NewData)
{
	SizeX = std::max(0, NewSizeX);
	SizeY = std::max(0, NewSizeY);
	NumSlices = std::max(0, NewNumSlices);
	NumMips = std::max(0, NewNumMips);
	Format = NewFormat;
	int64 Total = 0;
	for (int32 Mip = 0; Mip < NumMips; ++Mip)
	{
		Total += CalcMipSize(Mip);
	}
	Data.SetNumZeroed(static_cast<int32>(Total));
	if (NewData != nullptr && Total > 0)
	{
		std::memcpy(Data.GetData(), NewData, static_cast<size_t>(Total));
	}
	++Revision;
}

bool FTextureSource::GetMipData(TArray<uint8>& OutMipData, int32 MipIndex)
{
	OutMipData.Empty();
	if (MipIndex < 0 || MipIndex >= NumMips || !IsValid())
	{
		return false;
	}
	int64 Offset = 0;
	for (int32 Mip = 0; Mip < MipIndex; ++Mip)
	{
		Offset += CalcMipSize(Mip);
	}
	OutMipData.Append(Data.GetData() + Offset, static_cast<int32>(CalcMipSize(MipIndex)));
	return true;
}

void UTexture::UpdateResource()
{
	RefreshPlatformData();
}

void UTexture::FinishCachePlatformData()
{
	RefreshPlatformData();
}

void UTexture::PostLoad()
{
	UObject::PostLoad();
	RefreshPlatformData();
}

UTexture2D::~UTexture2D()
{
	delete PlatformData;
}

void UTexture2D::RefreshPlatformData()
{
	const uint32 Revision = FTextureAccess::SourceRevision(Source);
	if (bPlatformDataFixed || (PlatformData != nullptr && PlatformDataRevision == Revision))
	{
		return;
	}
	if (PlatformData == nullptr)
	{
		PlatformData = new FTexturePlatformData();
	}
	PlatformData->SizeX = Source.IsValid() ? Source.GetSizeX() : 0;
	PlatformData->SizeY = Source.IsValid() ? Source.GetSizeY() : 0;
	PlatformData->Mips.Empty();
	for (int32 Mip = 0; Source.IsValid() && Mip < Source.GetNumMips(); ++Mip)
	{
		FTexture2DMipMap& MipMap = PlatformData->Mips[PlatformData->Mips.AddDefaulted()];
		MipMap.SizeX = std::max(1, Source.GetSizeX() >> Mip);
		MipMap.SizeY = std::max(1, Source.GetSizeY() >> Mip);
	}
	PlatformDataRevision = Revision;
}

namespace
{
// "Source" names the PNG beside the package; reading it decodes the art into the source.
FPackageJson GetSourceFile(const UObject* Object)
{
	return FPackageJson(Standin::ToUtf8(FTextureAccess::SourceFileName(*const_cast<UTexture*>(static_cast<const UTexture*>(Object)))));
}

bool SetSourceFile(const FPropertyDesc&, UObject* Object, const FPackageJson& Value, const FPropertyContext& Context, std::string& OutError)
{
	if (!Value.is_string())
	{
		OutError = "expected a PNG file name";
		return false;
	}
	UTexture& Texture = *static_cast<UTexture*>(Object);
	const std::string FileName = Value.get<std::string>();
	if (FileName.empty())
	{
		Texture.Source.Init(0, 0, 0, 0, TSF_Invalid);
	}
	else if (FileName.find_first_of("/\\:") != std::string::npos || FileName == "..")
	{
		OutError = "'" + FileName + "' is not a file name beside the package";
		return false;
	}
	else if (!Standin::Textures::LoadSourcePng(Texture, Context.PackageFile.parent_path() / FileName, OutError))
	{
		return false;
	}
	FTextureAccess::SourceFileName(Texture) = Standin::FromUtf8(FileName);
	Texture.FinishCachePlatformData();
	return true;
}

bool SaveSourceFile(UObject* Object, const FPropertyContext& Context, std::string& OutError)
{
	UTexture& Texture = *static_cast<UTexture*>(Object);
	FString& FileName = FTextureAccess::SourceFileName(Texture);
	if (!Texture.Source.IsValid())
	{
		FileName.Reset();
		return true;
	}
	if (FileName.IsEmpty())
	{
		FileName = Texture.GetName() + TEXT(".png");
	}
	return Standin::Textures::SaveSourcePng(Texture, Context.PackageFile.parent_path() / Standin::ToUtf8(FileName), OutError);
}
} // namespace

STANDIN_IMPLEMENT_CLASS(UTexture, UObject, Engine)
{
	Class.AddCustomProperty(TEXT("Source"), &GetSourceFile, &SetSourceFile);
	Class.SetSaveHook(&SaveSourceFile);
}

STANDIN_IMPLEMENT_CLASS(UTexture2D, UTexture, Engine)
{
}
