#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"
#include "PngImageWrapper.h"

DEFINE_LOG_CATEGORY_STATIC(LogImageWrapper, Log, All);

class FImageWrapperModule : public IImageWrapperModule
{
public:
	TSharedPtr<IImageWrapper> CreateImageWrapper(const EImageFormat InFormat) override
	{
		if (InFormat == EImageFormat::PNG)
		{
			return MakeShared<FPngImageWrapper>();
		}
		UE_LOG(LogImageWrapper, Error, TEXT("The stand-in's ImageWrapper has no codec for image format %d (PNG only)"), static_cast<int32>(InFormat));
		return nullptr;
	}

	EImageFormat DetectImageFormat(const void* InCompressedData, int32 InCompressedSize) override
	{
		return FPngImageWrapper::HasPngSignature(InCompressedData, InCompressedSize) ? EImageFormat::PNG : EImageFormat::Invalid;
	}
};

IMPLEMENT_MODULE(FImageWrapperModule, ImageWrapper)
