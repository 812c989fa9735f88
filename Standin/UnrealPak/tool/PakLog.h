// The tool's log lines, as the engine prints them for the LogPakFile category.
#pragma once

#include <string>

namespace Standin::Pak::Log
{
void Display(const std::string& Text);
void Warning(const std::string& Text);
void Error(const std::string& Text);

// Seconds as the engine's "%.2f" prints them.
std::string Seconds(double Value);
// Seconds since the process started its work.
double Elapsed();
} // namespace Standin::Pak::Log
