// PNG files through libpng's simplified API, which converts every colour type to RGBA8.
#include "Standin/SlateRaster.h"

#include <png.h>

#include <cstring>

namespace Standin::Slate
{
std::optional<FImage> LoadPng(const std::filesystem::path& HostPath, std::string* Error)
{
	png_image Png;
	std::memset(&Png, 0, sizeof(Png));
	Png.version = PNG_IMAGE_VERSION;
	if (!png_image_begin_read_from_file(&Png, HostPath.c_str()))
	{
		if (Error)
		{
			*Error = "cannot read PNG " + HostPath.string() + ": " + Png.message;
		}
		return std::nullopt;
	}
	Png.format = PNG_FORMAT_RGBA;
	FImage Image;
	Image.Width = static_cast<int>(Png.width);
	Image.Height = static_cast<int>(Png.height);
	Image.Rgba.resize(PNG_IMAGE_SIZE(Png));
	if (!png_image_finish_read(&Png, nullptr, Image.Rgba.data(), 0, nullptr))
	{
		if (Error)
		{
			*Error = "cannot decode PNG " + HostPath.string() + ": " + Png.message;
		}
		png_image_free(&Png);
		return std::nullopt;
	}
	return Image;
}

bool SavePng(const FImage& Image, const std::filesystem::path& HostPath, std::string* Error)
{
	if (Image.Width <= 0 || Image.Height <= 0)
	{
		if (Error)
		{
			*Error = "cannot write an empty image to " + HostPath.string();
		}
		return false;
	}
	png_image Png;
	std::memset(&Png, 0, sizeof(Png));
	Png.version = PNG_IMAGE_VERSION;
	Png.width = static_cast<png_uint_32>(Image.Width);
	Png.height = static_cast<png_uint_32>(Image.Height);
	Png.format = PNG_FORMAT_RGBA;
	if (!png_image_write_to_file(&Png, HostPath.c_str(), 0, Image.Rgba.data(), 0, nullptr))
	{
		if (Error)
		{
			*Error = "cannot write PNG " + HostPath.string() + ": " + Png.message;
		}
		return false;
	}
	return true;
}
} // namespace Standin::Slate
