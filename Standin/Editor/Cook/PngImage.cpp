#include "Cook/PngImage.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include <png.h>

namespace Standin::Editor::Cook
{
bool DecodePngFile(const std::filesystem::path& File, FBgraImage& OutImage, std::string& OutError)
{
	std::ifstream Stream(File, std::ios::binary);
	const std::vector<uint8_t> Bytes((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	if (!Stream && !Stream.eof())
	{
		OutError = "cannot read " + File.generic_string();
		return false;
	}
	png_image Image;
	std::memset(&Image, 0, sizeof(Image));
	Image.version = PNG_IMAGE_VERSION;
	if (Bytes.empty() || !png_image_begin_read_from_memory(&Image, Bytes.data(), Bytes.size()))
	{
		OutError = File.generic_string() + " is not a PNG image" + (Bytes.empty() ? "" : std::string(" (") + Image.message + ")");
		return false;
	}
	Image.format = PNG_FORMAT_BGRA;
	OutImage.Width = Image.width;
	OutImage.Height = Image.height;
	OutImage.Pixels.resize(PNG_IMAGE_SIZE(Image));
	if (!png_image_finish_read(&Image, nullptr, OutImage.Pixels.data(), 0, nullptr))
	{
		OutError = File.generic_string() + " cannot be decoded (" + Image.message + ")";
		png_image_free(&Image);
		return false;
	}
	return true;
}
} // namespace Standin::Editor::Cook
