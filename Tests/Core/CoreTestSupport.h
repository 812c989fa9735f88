// Small helpers of the Core stand-in's tests: a scratch folder, a stand-in machine in it, raw file
// bytes, and UTF-8 views of engine strings (so a failing comparison prints readable text).
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Containers/UnrealString.h"
#include "Standin/Machine.h"
#include "Standin/StringUtf8.h"

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
	FScratch()
	{
		std::string Pattern = (std::filesystem::temp_directory_path() / "coretests-XXXXXX").string();
		if (::mkdtemp(Pattern.data()) == nullptr)
		{
			ADD_FAILURE() << "cannot create a scratch folder";
		}
		Root = Pattern;
		std::filesystem::create_directories(Root / "machine" / "drives");
		Machine.emplace("LEVELWRIGHT_MACHINE", (Root / "machine").string());
	}
	~FScratch()
	{
		Machine.reset();
		std::error_code Error;
		std::filesystem::remove_all(Root, Error);
	}
	FScratch(const FScratch&) = delete;
	FScratch& operator=(const FScratch&) = delete;

	const std::filesystem::path& Path() const { return Root; }
	// The host folder behind "<Letter>:/".
	std::filesystem::path Drive(char Letter) const { return Root / "machine" / "drives" / std::string(1, Letter); }

private:
	std::filesystem::path Root;
	std::optional<FScopedEnv> Machine;
};

inline void WriteBytes(const std::filesystem::path& Path, const std::string& Bytes)
{
	std::filesystem::create_directories(Path.parent_path());
	std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
	Out << Bytes;
}

inline std::string ReadBytes(const std::filesystem::path& Path)
{
	std::ifstream In(Path, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

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
