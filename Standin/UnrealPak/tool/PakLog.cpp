#include "PakLog.h"

#include <chrono>
#include <cstdio>

namespace Standin::Pak::Log
{
namespace
{
const auto StartTime = std::chrono::steady_clock::now();

void Print(const char* Verbosity, const std::string& Text)
{
	std::fprintf(stdout, "LogPakFile: %s: %s\n", Verbosity, Text.c_str());
}
} // namespace

void Display(const std::string& Text)
{
	Print("Display", Text);
}

void Warning(const std::string& Text)
{
	Print("Warning", Text);
}

void Error(const std::string& Text)
{
	Print("Error", Text);
}

std::string Seconds(double Value)
{
	char Text[32];
	std::snprintf(Text, sizeof(Text), "%.2f", Value);
	return Text;
}

double Elapsed()
{
	return std::chrono::duration<double>(std::chrono::steady_clock::now() - StartTime).count();
}
} // namespace Standin::Pak::Log
