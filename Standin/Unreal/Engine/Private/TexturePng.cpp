#include <fstream>
#include <iterator>
#include <vector>

#include "IImageWrapperModule.h"
#include "Modules/ModuleManager.h"
#include "TextureAccess.h"

namespace Standin::Textures
{
namespace
{
TSharedPtr<IImageWrapper> CreatePngWrapper()
{
	IImageWrapperModule& Module = FModuleManager::LoadModuleChecked<IImageWrapperModule>(FName("ImageWrapper"));
	return Module.CreateImageWrapper(EImageFormat::PNG);
}
} // namespace

bool LoadSourcePng(UTexture& Texture, const std::filesystem::path& File, std::string& OutError)
{
	std::ifstream Stream(File, std::ios::binary);
	if (!Stream.is_open())
	{
		OutError = "cannot read " + File.string();
		return false;
	}
	const std::vector<uint8> Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	TSharedPtr<IImageWrapper> Wrapper = CreatePngWrapper();
	const TArray<uint8>* Pixels = nullptr;
	if (!Wrapper || !Wrapper->SetCompressed(Bytes.data(), static_cast<int32>(Bytes.size())) || !Wrapper->GetRaw(ERGBFormat::BGRA, 8, Pixels))
	{
		OutError = File.string() + " is not a readable PNG image";
		return false;
	}
	Texture.Source.Init(Wrapper->GetWidth(), Wrapper->GetHeight(), 1, 1, TSF_BGRA8, Pixels->GetData());
	return true;
}

bool SaveSourcePng(UTexture& Texture, const std::filesystem::path& File, std::string& OutError)
{
	const ETextureSourceFormat Format = Texture.Source.GetFormat();
	if (Format != TSF_BGRA8 && Format != TSF_G8)
	{
		OutError = "the stand-in saves BGRA8 and G8 texture sources only";
		return false;
	}
	TArray<uint8> Pixels;
	TSharedPtr<IImageWrapper> Wrapper = CreatePngWrapper();
	if (!Texture.Source.GetMipData(Pixels, 0) || !Wrapper ||
		!Wrapper->SetRaw(Pixels.GetData(), Pixels.Num(), Texture.Source.GetSizeX(), Texture.Source.GetSizeY(),
						 Format == TSF_BGRA8 ? ERGBFormat::BGRA : ERGBFormat::Gray, 8))
	{
		OutError = "the texture's source cannot be encoded";
		return false;
	}
	const TArray<uint8>& Png = Wrapper->GetCompressed();
	std::error_code Error;
	std::filesystem::create_directories(File.parent_path(), Error);
	std::ofstream Stream(File, std::ios::binary | std::ios::trunc);
	Stream.write(reinterpret_cast<const char*>(Png.GetData()), Png.Num());
	if (Png.Num() == 0 || !Stream.flush())
	{
		OutError = "cannot write " + File.string();
		return false;
	}
	return true;
}
} // namespace Standin::Textures
