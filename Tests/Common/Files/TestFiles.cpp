#include "TestFiles.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace LevelwrightTest
{
fs::path SourceDir()
{
	return LEVELWRIGHT_SOURCE_DIR;
}

fs::path BuiltBinariesDir()
{
	return LEVELWRIGHT_BINARIES_DIR;
}

const char* const SteamDllInEngine = "Binaries/ThirdParty/Steamworks/Steamv139/Win64/steam_api64.dll";

fs::path BuiltSteamDll()
{
	// The build's engine folder: Engine/Binaries/Win64 up two.
	return BuiltBinariesDir().parent_path().parent_path() / SteamDllInEngine;
}

FTempDir::FTempDir()
{
	std::string Pattern = (fs::temp_directory_path() / "levelwright-test-XXXXXX").string();
	if (!::mkdtemp(Pattern.data()))
	{
		throw std::runtime_error("cannot create a temporary folder");
	}
	Root = Pattern;
}

FTempDir::~FTempDir()
{
	std::error_code Error;
	// Tests may leave read-only folders behind on purpose: make them writable first. Links are left
	// alone: a change through one would reach the repository or the build it points into.
	for (auto It = fs::recursive_directory_iterator(Root, Error); !Error && It != fs::recursive_directory_iterator(); It.increment(Error))
	{
		std::error_code Ignored;
		if (!It->is_symlink(Ignored))
		{
			fs::permissions(It->path(), fs::perms::owner_all, fs::perm_options::add, Ignored);
		}
	}
	fs::remove_all(Root, Error);
}

void WriteFile(const fs::path& Path, const std::string& Bytes)
{
	fs::create_directories(Path.parent_path());
	std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
	Out << Bytes;
}

std::string ReadFile(const fs::path& Path)
{
	std::ifstream In(Path, std::ios::binary);
	std::ostringstream Text;
	Text << In.rdbuf();
	return Text.str();
}

namespace
{
// The entries below Folder that Keep accepts, relative to it with '/' separators, sorted.
template <typename FKeep>
std::vector<std::string> EntriesBelow(const fs::path& Folder, FKeep Keep)
{
	std::vector<std::string> Names;
	std::error_code Error;
	for (fs::recursive_directory_iterator It(Folder, Error), End; !Error && It != End; It.increment(Error))
	{
		if (Keep(*It))
		{
			Names.push_back(fs::relative(It->path(), Folder).generic_string());
		}
	}
	std::sort(Names.begin(), Names.end());
	return Names;
}
} // namespace

std::map<std::string, std::string> ReadTree(const fs::path& Folder)
{
	std::map<std::string, std::string> Files;
	for (const std::string& Name : ListFilesBelow(Folder))
	{
		Files[Name] = ReadFile(Folder / Name);
	}
	return Files;
}

std::vector<std::string> ListFilesBelow(const fs::path& Folder)
{
	return EntriesBelow(Folder, [](const fs::directory_entry& Entry) { return Entry.is_regular_file(); });
}

std::vector<std::string> FoldersBelow(const fs::path& Folder)
{
	return EntriesBelow(Folder, [](const fs::directory_entry& Entry) { return Entry.is_directory(); });
}
} // namespace LevelwrightTest
