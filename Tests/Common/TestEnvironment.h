// The test world: a temporary folder holding a stand-in machine, a Drovik project with the plugin
// installed and a private engine folder, removed at the end of the test; the engine starts on it in
// this process, or the editor runs on it as a child process (EditorProcess.h).
#pragma once

#include <filesystem>
#include <string>

#include "TestFiles.h"

namespace LevelwrightTest
{
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
	// The game's Paks folder, where a stage job puts its pak.
	std::filesystem::path PaksDir() const { return GameDir() / "Drovik" / "Content" / "Paks"; }
	// The simulated Workshop's folder of the game's items, and of one item.
	std::filesystem::path WorkshopDir() const { return Root / "steam" / "workshop" / "731904"; }
	std::filesystem::path WorkshopItemDir(unsigned long long Id) const { return WorkshopDir() / std::to_string(Id); }

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
	// Takes the plugin out again, for tests of the editor or the cook themselves.
	void RemovePlugin() const;

private:
	std::filesystem::path Root;
};

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

// One test's world, in a fresh temporary folder: the stand-in machine in machine/ (made the process's
// machine), the project in Project/ and the engine in Engine/. Fixtures and benchmarks derive from it.
struct FTestWorld
{
	FTempDir Temp;
	FTestMachine Machine{Temp.Path() / "machine"};
	FTestProject Project{Temp.Path() / "Project"};
	FTestEngine Engine{Temp.Path()};

	// Starts the stand-in engine on the project in this process (FTestEngine::Start).
	void Start() const { Engine.Start(Project); }
};
} // namespace LevelwrightTest
