#include "AppInstall.h"

#include "Files.h"
#include "KeyValues.h"
#include "Standin/Machine.h"
#include "Standin/RegistryFile.h"

#include <algorithm>
#include <filesystem>

namespace SteamStandin
{
namespace
{
constexpr std::u16string_view SteamKey = u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Valve\\Steam";

// Backslashes only, no trailing separator: the form Steam reports folders in.
std::string WindowsForm(std::string Path)
{
	std::replace(Path.begin(), Path.end(), '/', '\\');
	while (Path.size() > 3 && Path.back() == '\\')
	{
		Path.pop_back();
	}
	return Path;
}

std::vector<KeyValue> ReadKeyValuesFile(const std::string& WindowsPath)
{
	const std::optional<std::string> Text = ReadWholeFile(Standin::Machine::ToHostPath(WindowsPath));
	return Text ? ParseKeyValues(*Text) : std::vector<KeyValue>();
}

bool IsNumber(std::string_view Text)
{
	return !Text.empty() && std::all_of(Text.begin(), Text.end(), [](char C) { return C >= '0' && C <= '9'; });
}

void AddLibrary(std::vector<std::string>& Libraries, const std::string& Folder)
{
	if (Folder.empty())
	{
		return;
	}
	const std::string Path = WindowsForm(Folder);
	const bool bKnown = std::any_of(Libraries.begin(), Libraries.end(),
									[&](const std::string& Other) { return EqualsNoCase(Other, Path); });
	if (!bKnown)
	{
		Libraries.push_back(Path);
	}
}
} // namespace

std::string FindSteamFolder(const ClientConfig& Config)
{
	if (!Config.InstallPath.empty())
	{
		return WindowsForm(Config.InstallPath);
	}
	const Standin::Registry::File Registry = Standin::Registry::LoadMachineRegistry();
	const Standin::Registry::Value* Value = Registry.FindValue(SteamKey, u"InstallPath");
	std::string Folder;
	if (!Value || !Standin::Registry::ReadString(*Value, Folder))
	{
		return {};
	}
	return WindowsForm(Folder);
}

std::vector<std::string> FindLibraryFolders(const std::string& SteamFolder)
{
	std::vector<std::string> Libraries;
	AddLibrary(Libraries, SteamFolder);
	for (const KeyValue& Root : ReadKeyValuesFile(SteamFolder + "\\steamapps\\libraryfolders.vdf"))
	{
		if (!EqualsNoCase(Root.Key, "libraryfolders"))
		{
			continue;
		}
		for (const KeyValue& Entry : Root.Children)
		{
			if (!IsNumber(Entry.Key))
			{
				continue; // TimeNextStatsReport, ContentStatsID, ...
			}
			const KeyValue* Path = Entry.bBlock ? Entry.Find("path") : nullptr;
			AddLibrary(Libraries, Entry.bBlock ? (Path ? Path->Value : std::string()) : Entry.Value);
		}
	}
	return Libraries;
}

std::string FindAppInstallFolder(std::uint32_t AppId, const ClientConfig& Config)
{
	const std::string SteamFolder = FindSteamFolder(Config);
	if (SteamFolder.empty())
	{
		return {};
	}
	for (const std::string& Library : FindLibraryFolders(SteamFolder))
	{
		const std::string Manifest = Library + "\\steamapps\\appmanifest_" + std::to_string(AppId) + ".acf";
		for (const KeyValue& Root : ReadKeyValuesFile(Manifest))
		{
			const KeyValue* InstallDir = EqualsNoCase(Root.Key, "AppState") ? Root.Find("installdir") : nullptr;
			if (InstallDir && !InstallDir->Value.empty())
			{
				return Library + "\\steamapps\\common\\" + WindowsForm(InstallDir->Value);
			}
		}
	}
	return {};
}
} // namespace SteamStandin
