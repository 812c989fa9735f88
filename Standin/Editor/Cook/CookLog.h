// The cook commandlet's log lines: "LogCook: Display: ...", "LogCook: Warning: ...", "LogCook: Error: ...".
#pragma once

#include <string>

#include "Standin/Log.h"

namespace Standin::Editor::Cook
{
inline void Display(const std::string& Message)
{
	Log::WriteRawLine("LogCook: Display: " + Message);
}

inline void Warning(const std::string& Message)
{
	Log::WriteRawLine("LogCook: Warning: " + Message);
}

inline void Error(const std::string& Message)
{
	Log::WriteRawLine("LogCook: Error: " + Message);
}

// "1 package", "2 packages".
inline std::string Count(size_t Number, const std::string& Noun)
{
	return std::to_string(Number) + " " + Noun + (Number == 1 ? "" : "s");
}
} // namespace Standin::Editor::Cook
