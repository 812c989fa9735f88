#include "Standin/Textures.h"
#include "TextureAccess.h"
#include "UObject/UObjectGlobals.h"

namespace Standin::Textures
{
UTexture2D* CreateTexture(UObject* Outer, FName Name, int32 SizeX, int32 SizeY, const TArray<uint8>& Bgra, EObjectFlags Flags)
{
	if (SizeX <= 0 || SizeY <= 0 || Bgra.Num() != SizeX * SizeY * 4)
	{
		return nullptr;
	}
	UTexture2D* Texture = NewObject<UTexture2D>(Outer, Name, Flags);
	if (Texture != nullptr)
	{
		Texture->Source.Init(SizeX, SizeY, 1, 1, TSF_BGRA8, Bgra.GetData());
		Texture->UpdateResource();
	}
	return Texture;
}

void ApplyDefect(UTexture2D* Texture, ETextureDefect Defect)
{
	const int32 SizeX = Texture->Source.GetSizeX();
	const int32 SizeY = Texture->Source.GetSizeY();
	switch (Defect)
	{
	case ETextureDefect::SourceNotBGRA8:
		Texture->Source.Init(SizeX, SizeY, 1, 1, TSF_G8);
		Texture->UpdateResource();
		break;
	case ETextureDefect::NoSourceMip:
		Texture->UpdateResource();
		Texture->Source.Init(SizeX, SizeY, 1, 0, TSF_BGRA8);
		break;
	case ETextureDefect::NoPlatformMip:
		Texture->UpdateResource();
		Texture->PlatformData->Mips.Empty();
		break;
	case ETextureDefect::NoPlatformData:
		delete Texture->PlatformData;
		Texture->PlatformData = nullptr;
		break;
	}
	FTextureAccess::FixPlatformData(*Texture);
}
} // namespace Standin::Textures
