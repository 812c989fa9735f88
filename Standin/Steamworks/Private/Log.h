// The stand-in's messages: one stdout line each, prefixed "LogSteamStandin: " like an engine log
// category, flushed at once so that they interleave correctly with the editor's own lines.
#pragma once

#include <string_view>

namespace SteamStandin
{
void Log(std::string_view Message);
void LogWarning(std::string_view Message);
void LogError(std::string_view Message);
} // namespace SteamStandin
