#include "TestEnvironment.h"

#include <regex>
#include <stdexcept>

#include "Standin/Engine.h"
#include "Standin/Machine.h"

namespace fs = std::filesystem;

namespace LevelwrightTest
{
FTestMachine::FTestMachine(const fs::path& InRoot) : Root(InRoot)
{
	fs::create_directories(Root);
	const fs::path Sample = SourceDir() / "Samples" / "machine";
	if (fs::exists(Sample))
	{
		fs::copy(Sample, Root, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
	}
	Standin::Machine::SetRoot(Root);
}

fs::path FTestMachine::Drive(const std::string& WindowsPath) const
{
	return Standin::Machine::ToHostPath(WindowsPath);
}

fs::path FTestMachine::GameDir() const
{
	return Drive("D:/SteamLibrary/steamapps/common/DrovikVR");
}

void FTestMachine::SetClient(const std::string& Key, const std::string& JsonValue)
{
	const fs::path ClientFile = Root / "steam" / "client.json";
	std::string Text = ReadFile(ClientFile);
	// An object value first: "[^,}\\s]+" alone would stop at its opening brace.
	const std::regex Existing("\"" + Key + "\"\\s*:\\s*(\\{[^}]*\\}|\"[^\"]*\"|[^,}\\s]+)");
	if (std::regex_search(Text, Existing))
	{
		Text = std::regex_replace(Text, Existing, "\"" + Key + "\": " + JsonValue);
	}
	else
	{
		const auto Brace = Text.find('{');
		Text.insert(Brace + 1, "\"" + Key + "\": " + JsonValue + ", ");
	}
	WriteFile(ClientFile, Text);
}

FTestProject::FTestProject(const fs::path& InRoot) : Root(InRoot)
{
	WriteFile(File(), "{\n\t\"FileVersion\": 3,\n\t\"EngineAssociation\": \"4.21\",\n\t\"Modules\": []\n}\n");
	WriteFile(Root / "Config" / "DefaultGame.ini",
			  "[/Script/UnrealEd.ProjectPackagingSettings]\n+DirectoriesToAlwaysCook=(Path=\"/Game/CustomMaps\")\n");
	fs::create_directories(Root / "Plugins");
	fs::create_directory_symlink(SourceDir() / "Plugins" / "Levelwright", Root / "Plugins" / "Levelwright");
}

fs::path FTestProject::ContentPath(const std::string& PackageName, const std::string& Extension) const
{
	const std::string Prefix = "/Game/";
	if (PackageName.rfind(Prefix, 0) != 0)
	{
		throw std::invalid_argument("not a /Game package: " + PackageName);
	}
	return Root / "Content" / (PackageName.substr(Prefix.size()) + Extension);
}

void FTestProject::WritePackage(const std::string& PackageName, const std::string& Json, bool bMap) const
{
	WriteFile(ContentPath(PackageName, bMap ? ".umap" : ".uasset"), Json);
}

void FTestProject::RemovePlugin() const
{
	fs::remove(Root / "Plugins" / "Levelwright");
}

void FTestProject::WriteDefinition(const std::string& FolderName, const std::string& PropertiesJson) const
{
	WritePackage("/Game/CustomMaps/" + FolderName + "/definition", "{\"Class\": \"Drovik_Map\", \"Properties\": " + PropertiesJson + "}");
}

void FTestEngine::Start(const FTestProject& Project) const
{
	fs::current_path(Binaries);
	Standin::Engine::FSettings Settings;
	Settings.BinariesDir = Binaries;
	Settings.ProjectFile = Project.File();
	Standin::Engine::Initialize(Settings);
}

FTestEngine::FTestEngine(const fs::path& Root) : Binaries(Root / "Engine" / "Binaries" / "Win64")
{
	fs::create_directories(Binaries);
	for (const char* Tool : {"UE4Editor.exe", "UnrealPak.exe"})
	{
		fs::create_symlink(BuiltBinariesDir() / Tool, Binaries / Tool);
	}
	fs::create_directories(SteamDll().parent_path());
	fs::create_symlink(BuiltSteamDll(), SteamDll());
}

fs::path FTestEngine::SteamDll() const
{
	return Binaries.parent_path().parent_path() / SteamDllInEngine;
}
} // namespace LevelwrightTest
