// The Workshop preview image: a texture's source art written as a PNG file.
#pragma once

#include "CoreMinimal.h"

class UTexture2D;

// Encodes the first mip of the texture's source art as a PNG at Path, replacing an older file.
// False, with a Warning and nothing written, when the texture cannot be encoded: it has no mip, or its
// source art is not 8-bit BGRA of the first mip's size (reading it would run past its bytes). True
// otherwise; an encoder that fails leaves an older file in place, which may still be offered.
bool SaveTextureAsPng(UTexture2D* Texture, const FString& Path);
