// Stand-in only (not engine API): making textures in tests, including the broken ones that code
// reading textures must cope with.
#pragma once

#include "Engine/Texture2D.h"
#include "UObject/ObjectMacros.h"

namespace Standin::Textures
{
// A Texture2D in Outer whose source is the BGRA8 pixels (one mip) and whose platform data matches.
// Null when the pixel count does not match the size.
UTexture2D* CreateTexture(UObject* Outer, FName Name, int32 SizeX, int32 SizeY, const TArray<uint8>& Bgra,
						  EObjectFlags Flags = RF_Public | RF_Standalone);

enum class ETextureDefect
{
	// The source holds one 8-bit gray mip (TSF_G8) of the same size.
	SourceNotBGRA8,
	// The source has the size but no mip.
	NoSourceMip,
	// The platform data has no mip.
	NoPlatformMip,
	// There is no platform data.
	NoPlatformData
};

// Gives the texture the defect. It stays through UpdateResource and FinishCachePlatformData.
void ApplyDefect(UTexture2D* Texture, ETextureDefect Defect);
} // namespace Standin::Textures
