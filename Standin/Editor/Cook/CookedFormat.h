// The bytes the stand-in cook writes for one package and platform. They depend only on the package
// and the platform (no time stamps, no absolute paths), so two cooks of the same content are equal.
//
// All numbers little-endian; a string is a uint32 byte count and its UTF-8 bytes.
//   .uasset/.umap: uint32 0x9E2A83C1, uint32 1 (format), string platform, string class,
//                  string package name, uint32 import count, the imports (strings),
//                  uint64 .uexp size, uint64 .ubulk size (0 when none)
//   .uexp:         uint32 property count, then each property by name order: string name, value;
//                  a value is one tag byte and its data: 0 null, 1 bool (1 byte), 2 int64,
//                  3 uint64, 4 double, 5 string, 6 list (uint32 count, values),
//                  7 object (uint32 count, then string name and value each);
//                  a Texture2D then has uint32 width, uint32 height, string "PF_B8G8R8A8",
//                  uint64 bulk size (0 on a server platform);
//                  and every .uexp ends with uint32 0x9E2A83C1.
//   .ubulk:        a client platform's Texture2D pixels, BGRA8, rows top to bottom.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Cook/CookPackages.h"
#include "Cook/PngImage.h"

namespace Standin::Editor::Cook
{
struct FCookedPackage
{
	std::string Extension; // ".umap" for a World, else ".uasset"
	std::vector<uint8_t> Header;
	std::vector<uint8_t> Exports;
	std::vector<uint8_t> Bulk;
	bool bHasBulk = false;
};

// Server platforms ("...Server") carry no texture data.
bool IsServerPlatform(std::string_view Platform);

// Every file the cook writes for the package on the platform, relative to the platform's cooked
// content folder: "Maps/Arena.umap" (".uasset" but for a World), "Maps/Arena.uexp", and for a
// Texture2D on a client platform "Maps/Arena.ubulk".
std::vector<std::string> CookedFileNames(const FCookPackage& Package, std::string_view Platform);

// Texture is the decoded source of a Texture2D, null for any other class.
FCookedPackage SerializeCookedPackage(const FCookPackage& Package, const FBgraImage* Texture, std::string_view Platform);
} // namespace Standin::Editor::Cook
