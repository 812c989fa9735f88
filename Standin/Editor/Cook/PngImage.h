// Texture sources for the cook: a PNG decoded to 8-bit BGRA, as the engine stores TSF_BGRA8 data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace Standin::Editor::Cook
{
struct FBgraImage
{
	uint32_t Width = 0;
	uint32_t Height = 0;
	std::vector<uint8_t> Pixels; // Width * Height * 4 bytes, rows top to bottom
};

bool DecodePngFile(const std::filesystem::path& File, FBgraImage& OutImage, std::string& OutError);
} // namespace Standin::Editor::Cook
