// Where the simulated client finds installed apps: its own folder (client.json "installPath", else
// the registry value the real client writes at installation), the library folders listed in its
// steamapps\libraryfolders.vdf, and each library's steamapps\appmanifest_<id>.acf.
#pragma once

#include "ClientConfig.h"

#include <cstdint>
#include <string>
#include <vector>

namespace SteamStandin
{
// The client's folder in Windows form (e.g. C:\Program Files (x86)\Steam); empty when unknown.
std::string FindSteamFolder(const ClientConfig& Config);

// The library folders in Windows form, the client's folder first, each once. Both formats of
// libraryfolders.vdf are read: the old one ("1" "D:\\SteamLibrary") and the new one with a block per
// library holding "path".
std::vector<std::string> FindLibraryFolders(const std::string& SteamFolder);

// <library>\steamapps\common\<installdir> of the first library holding appmanifest_<id>.acf with an
// installdir; empty when the app is not installed.
std::string FindAppInstallFolder(std::uint32_t AppId, const ClientConfig& Config);
} // namespace SteamStandin
