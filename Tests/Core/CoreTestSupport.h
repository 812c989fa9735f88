// Small helpers of the Core stand-in's tests: a scratch folder with a stand-in machine in it, raw file
// bytes (the shared test files), and UTF-8 views of engine strings (so a failing comparison prints
// readable text).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Containers/UnrealString.h"
#include "Standin/Machine.h"
#include "Standin/StringUtf8.h"
#include "TestFiles.h"

namespace CoreTest
{
inline std::string Utf8(const FString& Text)
{
	return Standin::ToUtf8(Text);
}

inline std::string Utf8(const TCHAR* Text)
{
	return Standin::Machine::ToUtf8(Text ? Text : u"");
}

// Sets an environment variable for the life of the object and restores what was there before.
class FScopedEnv
{
public:
	FScopedEnv(const char* InName, const std::optional<std::string>& Value) : Name(InName)
	{
		if (const char* Old = std::getenv(Name))
		{
			Previous = Old;
		}
		if (Value)
		{
			::setenv(Name, Value->c_str(), 1);
		}
		else
		{
			::unsetenv(Name);
		}
	}
	~FScopedEnv()
	{
		if (Previous)
		{
			::setenv(Name, Previous->c_str(), 1);
		}
		else
		{
			::unsetenv(Name);
		}
	}
	FScopedEnv(const FScopedEnv&) = delete;
	FScopedEnv& operator=(const FScopedEnv&) = delete;

private:
	const char* Name;
	std::optional<std::string> Previous;
};

// A fresh folder, removed with its contents at the end; LEVELWRIGHT_MACHINE points at its
// "machine" subfolder meanwhile, so drive-letter paths land in <scratch>/machine/drives/<letter>.
class FScratch
{
public:
	const std::filesystem::path& Path() const { return Temp.Path(); }
	// The host folder behind "<Letter>:/".
	std::filesystem::path Drive(char Letter) const { return Path() / "machine" / "drives" / std::string(1, Letter); }

private:
	// Makes the machine's drives folder and names the machine folder.
	std::string MakeMachine() const
	{
		std::filesystem::create_directories(Path() / "machine" / "drives");
		return (Path() / "machine").string();
	}

	LevelwrightTest::FTempDir Temp;
	// Restored before the folder goes.
	FScopedEnv Machine{"LEVELWRIGHT_MACHINE", MakeMachine()};
};

using LevelwrightTest::ReadFile;
using LevelwrightTest::WriteFile;

// Check failures print to standard output; death tests read standard error. Call first in a death
// test's statement.
inline void SendStdoutToStderr()
{
	std::fflush(stdout);
	::dup2(2, 1);
}

// Bytes as "FF FE 41 00", for readable failures.
inline std::string Hex(const std::string& Bytes)
{
	static const char Digits[] = "0123456789ABCDEF";
	std::string Out;
	for (unsigned char C : Bytes)
	{
		if (!Out.empty())
		{
			Out += ' ';
		}
		Out += Digits[C >> 4];
		Out += Digits[C & 15];
	}
	return Out;
}
} // namespace CoreTest
