#include "Log.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace SteamStandin
{
namespace
{
void Write(std::string_view Level, std::string_view Message)
{
	static std::mutex Mutex;
	const std::string Line = "LogSteamStandin: " + std::string(Level) + std::string(Message) + "\n";
	std::lock_guard Lock(Mutex);
	std::fwrite(Line.data(), 1, Line.size(), stdout);
	std::fflush(stdout);
}
} // namespace

void Log(std::string_view Message)
{
	Write("", Message);
}

void LogWarning(std::string_view Message)
{
	Write("Warning: ", Message);
}

void LogError(std::string_view Message)
{
	Write("Error: ", Message);
}
} // namespace SteamStandin
