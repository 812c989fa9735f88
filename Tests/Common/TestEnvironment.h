// Temporary worlds for tests: a stand-in machine, a Drovik project and a private engine folder, each
// in a fresh temporary folder removed at the end of the test.
#pragma once

#include <filesystem>
#include <string>

namespace LevelwrightTest
{
std::filesystem::path SourceDir();
std::filesystem::path BuiltBinariesDir();

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

void WriteFile(const std::filesystem::path& Path, const std::string& Bytes);
std::string ReadFile(const std::filesystem::path& Path);

// A copy of Samples/machine (Steam running, the game installed on D:, Workshop item 2000000001),
// made the process's stand-in machine.
class FTestMachine
{
public:
	explicit FTestMachine(const std::filesystem::path& Root);
	const std::filesystem::path& Path() const { return Root; }
	// The host folder of a drive-letter path, e.g. Drive("D:/SteamLibrary").
	std::filesystem::path Drive(const std::string& WindowsPath) const;
	// Rewrites steam/client.json with one key changed, e.g. SetClient("running", "false").
	void SetClient(const std::string& Key, const std::string& JsonValue);
	std::filesystem::path GameDir() const;

private:
	std::filesystem::path Root;
};

// A project "Drovik.uproject" with the plugin installed as an author installs it (Plugins/Levelwright,
// linked to the repository's plugin folder).
class FTestProject
{
public:
	explicit FTestProject(const std::filesystem::path& Root);
	const std::filesystem::path& Dir() const { return Root; }
	std::filesystem::path File() const { return Root / "Drovik.uproject"; }
	// Writes the package "/Game/..." (".umap" for a World) with the given JSON text.
	void WritePackage(const std::string& PackageName, const std::string& Json, bool bMap = false) const;
	// A definition package with the given JSON properties (the object is "definition").
	void WriteDefinition(const std::string& FolderName, const std::string& PropertiesJson) const;
	std::filesystem::path ContentPath(const std::string& PackageName, const std::string& Extension) const;

private:
	std::filesystem::path Root;
};

// Where an engine folder holds Steam's DLL, and the one the build staged in its engine folder.
extern const char* const SteamDllInEngine;
std::filesystem::path BuiltSteamDll();

// Engine/Binaries/Win64 with links to the built UE4Editor.exe and UnrealPak.exe, so each test has a
// working folder (and ./steam_appid.txt) of its own, and Steam's DLL where the engine stages it.
class FTestEngine
{
public:
	explicit FTestEngine(const std::filesystem::path& Root);
	const std::filesystem::path& BinariesDir() const { return Binaries; }
	// Engine/Binaries/ThirdParty/Steamworks/Steamv139/Win64/steam_api64.dll (a link to the built one).
	std::filesystem::path SteamDll() const;
	// Starts the stand-in engine in this process on Project, as the editor starts: the binaries folder
	// becomes the working folder and the project's log file is opened.
	void Start(const FTestProject& Project) const;

private:
	std::filesystem::path Binaries;
};
} // namespace LevelwrightTest
