// Files for tests that must not link the plugin or the engine: where the build is, a temporary
// folder removed at the end, whole files read and written, and folder trees read back. Every test
// suite shares these.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace LevelwrightTest
{
// The repository, and the build's engine binaries folder (Engine/Binaries/Win64).
std::filesystem::path SourceDir();
std::filesystem::path BuiltBinariesDir();

// Where an engine folder holds Steam's DLL, and the one the build staged in its engine folder.
extern const char* const SteamDllInEngine;
std::filesystem::path BuiltSteamDll();

// A fresh, empty temporary folder, removed (with everything in it) on destruction.
class FTempDir
{
public:
	FTempDir();
	~FTempDir();
	FTempDir(const FTempDir&) = delete;
	FTempDir& operator=(const FTempDir&) = delete;
	const std::filesystem::path& Path() const { return Root; }

private:
	std::filesystem::path Root;
};

// Writes the bytes, creating the parent folders; an existing file is replaced.
void WriteFile(const std::filesystem::path& Path, const std::string& Bytes);
// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& Path);

// Every file below Folder with its bytes, by relative path with '/' separators; none for a missing folder.
std::map<std::string, std::string> ReadTree(const std::filesystem::path& Folder);
// Every file below Folder, relative to it with '/' separators, sorted; none for a missing folder.
std::vector<std::string> ListFilesBelow(const std::filesystem::path& Folder);
// Every folder below Folder, relative, sorted.
std::vector<std::string> FoldersBelow(const std::filesystem::path& Folder);
} // namespace LevelwrightTest
