// The "ImageWrapper" module: creates image codecs.
#pragma once

#include "CoreMinimal.h"
#include "IImageWrapper.h"
#include "Modules/ModuleInterface.h"

class IImageWrapperModule : public IModuleInterface
{
public:
	// A codec for the format; null for formats the stand-in does not have (all but PNG).
	virtual TSharedPtr<IImageWrapper> CreateImageWrapper(const EImageFormat InFormat) = 0;
	// The format of compressed bytes, by their signature.
	virtual EImageFormat DetectImageFormat(const void* InCompressedData, int32 InCompressedSize) = 0;
};
