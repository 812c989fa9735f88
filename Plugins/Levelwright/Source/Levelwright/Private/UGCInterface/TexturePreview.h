// The Workshop preview image: a texture's source art written as a PNG file small enough for Steam.
#pragma once

#include "CoreMinimal.h"

class UTexture2D;

// Encodes the first mip of the texture's source art as a PNG at Path, replacing an older file. When that
// PNG would be PreviewFileLimit bytes or more (Steam refuses it), the image is scaled down, keeping its
// aspect, until its PNG fits, and one line gives both sizes; a smaller image is written as it is.
// False, with a Warning and nothing written, when the texture cannot be encoded: it has no mip, or its
// source art is not 8-bit BGRA of the first mip's size (reading it would run past its bytes). True
// otherwise; an encoder that fails leaves an older file in place, which may still be offered.
bool SaveTextureAsPng(UTexture2D* Texture, const FString& Path);

// Why SaveTextureAsPng cannot encode a texture.
enum class EPreviewDefect : uint8
{
	None,
	// No first mip, or one that does not match the source art.
	NoMip,
	// The source art is not 8-bit BGRA.
	NotBGRA8,
};
// Brings the texture's platform data up to date, as SaveTextureAsPng does, and says what keeps it from
// being encoded. Game thread only.
EPreviewDefect InspectPreviewTexture(UTexture2D& Texture);

// True when a preview file of FileBytes is small enough for Steam (under PreviewFileLimit).
bool FitsWorkshopPreview(int64 FileBytes);

// The next, smaller size to try for an image of SizeX x SizeY whose PNG took FileBytes: both sides
// scaled by one factor (the aspect kept), from the ratio of PreviewFileLimit to FileBytes with a margin,
// and by at least a tenth, so that each try is smaller than the last while a side is above 1.
void GetScaledPreviewSize(int32 SizeX, int32 SizeY, int64 FileBytes, int32& OutSizeX, int32& OutSizeY);
