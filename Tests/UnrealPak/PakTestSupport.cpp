#include "PakTestSupport.h"

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace PakTest
{
std::string FRunResult::Text() const
{
	std::string All;
	for (const std::string& Line : Lines)
	{
		All += Line + "\n";
	}
	return All;
}

bool FRunResult::HasLine(const std::string& Line) const
{
	return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
}

std::string FRunResult::LineStartingWith(const std::string& Prefix) const
{
	for (const std::string& Line : Lines)
	{
		if (Line.rfind(Prefix, 0) == 0)
		{
			return Line;
		}
	}
	return {};
}

FRunResult RunUnrealPak(const std::vector<std::string>& Arguments, const std::vector<std::string>& Environment)
{
	const std::string Executable = LEVELWRIGHT_BINARIES_DIR "/UnrealPak.exe";
	int Pipe[2];
	EXPECT_EQ(::pipe(Pipe), 0);
	const pid_t Child = ::fork();
	if (Child == 0)
	{
		::dup2(Pipe[1], STDOUT_FILENO);
		::dup2(Pipe[1], STDERR_FILENO);
		::close(Pipe[0]);
		::close(Pipe[1]);
		for (const std::string& Entry : Environment)
		{
			const size_t Equals = Entry.find('=');
			::setenv(Entry.substr(0, Equals).c_str(), Entry.substr(Equals + 1).c_str(), 1);
		}
		std::vector<char*> Argv{const_cast<char*>(Executable.c_str())};
		for (const std::string& Argument : Arguments)
		{
			Argv.push_back(const_cast<char*>(Argument.c_str()));
		}
		Argv.push_back(nullptr);
		::execv(Executable.c_str(), Argv.data());
		::_exit(127);
	}
	::close(Pipe[1]);
	std::string Output;
	char Buffer[4096];
	ssize_t Got;
	while ((Got = ::read(Pipe[0], Buffer, sizeof(Buffer))) > 0)
	{
		Output.append(Buffer, static_cast<size_t>(Got));
	}
	::close(Pipe[0]);
	int Status = 0;
	::waitpid(Child, &Status, 0);
	FRunResult Result;
	Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
	std::istringstream Stream(Output);
	for (std::string Line; std::getline(Stream, Line);)
	{
		Result.Lines.push_back(Line);
	}
	return Result;
}

std::vector<uint8_t> ToBytes(const std::string& Text)
{
	return std::vector<uint8_t>(Text.begin(), Text.end());
}

std::filesystem::path ReferenceDir()
{
	return LevelwrightTest::SourceDir() / "Tests" / "UnrealPak" / "Fixtures" / "pak-v7-reference";
}

std::string ListLine(const std::string& Source, const std::string& Dest)
{
	return "\"" + Source + "\" \"" + Dest + "\"\r\n";
}

std::filesystem::path FPakTest::MakeSource(const std::string& Relative, size_t Size)
{
	std::string Bytes(Size, '\0');
	size_t Seed = std::hash<std::string>{}(Relative);
	for (char& Byte : Bytes)
	{
		Seed = Seed * 6364136223846793005ull + 1442695040888963407ull;
		Byte = static_cast<char>(Seed >> 56);
	}
	const std::filesystem::path Path = Scratch / "src" / Relative;
	WriteFile(Path, Bytes);
	return Path;
}
} // namespace PakTest
