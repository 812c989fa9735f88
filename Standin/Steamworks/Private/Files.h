// Small file helpers of the simulated client.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace SteamStandin
{
std::optional<std::string> ReadWholeFile(const std::filesystem::path& Path);

// Writes beside the target and renames over it, so a reader sees the old or the new file, never half.
bool WriteFileAtomically(const std::filesystem::path& Path, std::string_view Bytes, std::string& Error);
} // namespace SteamStandin
