// The response file of `UnrealPak <pak> -create=<list>`: one file a line, its source path and the
// path it takes in the game, each possibly in double quotes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace Standin::Pak
{
struct FPakInputPair
{
	std::u16string Source; // as written in the list, separators normalised to '/'
	std::u16string Dest;   // the destination's folder plus the source's own file name
};

// Text as the engine loads it: UTF-16 with a byte-order mark (an even number of bytes), UTF-8 with
// or without one, and otherwise (bytes that are not UTF-8) one character per byte.
std::u16string DecodeText(std::span<const uint8_t> Bytes);

// The lines of a decoded response file: '\r' dropped, split on '\n', empty lines skipped, tokens
// split on blanks unless double-quoted, tokens starting with '-' (per-line switches) ignored. A line
// with one path packs that file into its own folder.
std::vector<FPakInputPair> ParseResponseFile(std::u16string_view Text);

// Both steps, over the raw bytes of the file.
std::vector<FPakInputPair> ParseResponseFile(std::span<const uint8_t> Bytes);

// Reads and parses the file at a host path; FPakError when it cannot be read.
std::vector<FPakInputPair> LoadResponseFile(const std::filesystem::path& HostPath);
} // namespace Standin::Pak
