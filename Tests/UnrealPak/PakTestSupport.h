// Shared helpers of the UnrealPak tests: a scratch folder and the file helpers (the shared test
// files), and a runner for the built UnrealPak.exe as a child process.
#pragma once

#include "Standin/Pak/PakFormat.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace PakTest
{
struct FRunResult
{
	int ExitCode = -1;
	std::vector<std::string> Lines; // standard output and error, one entry a line
	std::string Text() const;
	bool HasLine(const std::string& Line) const;
	// The first line starting with Prefix, or "" when there is none.
	std::string LineStartingWith(const std::string& Prefix) const;
};

// Runs UnrealPak.exe with the arguments as given (no shell), with extra NAME=VALUE environment
// entries.
FRunResult RunUnrealPak(const std::vector<std::string>& Arguments, const std::vector<std::string>& Environment = {});

using LevelwrightTest::ReadFile;
using LevelwrightTest::WriteFile;
std::vector<uint8_t> ToBytes(const std::string& Text);

// The archive written by the real 4.21 UnrealPak, with its inputs (Tests/UnrealPak/Fixtures).
std::filesystem::path ReferenceDir();

// One response-file line in the form the editor writes it: both paths quoted, CRLF.
std::string ListLine(const std::string& Source, const std::string& Dest);

// A fresh scratch folder per test, removed afterwards.
class FPakTest : public ::testing::Test
{
protected:
	// Writes a source file of Size bytes (a repeating pattern seeded by its name) below the scratch
	// folder and returns its path.
	std::filesystem::path MakeSource(const std::string& Relative, size_t Size);

	LevelwrightTest::FTempDir Temp;
	const std::filesystem::path Scratch = Temp.Path();
};
} // namespace PakTest
