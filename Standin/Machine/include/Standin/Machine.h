// The stand-in machine: the folder that plays the Windows computer the editor runs on.
//
//   registry.reg            HKEY_LOCAL_MACHINE values
//   drives/<letter>/...     the contents of drive <LETTER>:
//   steam/                  the simulated Steam client and its Workshop
//
// The folder is named by the environment variable LEVELWRIGHT_MACHINE (the stand-in editor's
// -machine= sets it for itself and for every child it starts).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace Standin::Machine
{
// The machine folder, or an empty path when LEVELWRIGHT_MACHINE is unset.
std::filesystem::path Root();

// Sets LEVELWRIGHT_MACHINE for this process and the children it starts.
void SetRoot(const std::filesystem::path& Root);

// Maps a path in the engine's form to a host path: every '\' becomes '/', and a drive-letter path
// "X:/rest" becomes <Root>/drives/x/rest (as Wine does with its drive folders). Other paths are
// returned with their separators fixed and nothing else changed. A drive-letter path while no
// machine is set maps into a folder that cannot exist, after one loud message on stderr.
std::filesystem::path ToHostPath(std::string_view Utf8Path);
std::filesystem::path ToHostPath(std::u16string_view Path);

// True for "X:/..." or "X:\..." (and a bare "X:").
bool IsDrivePath(std::u16string_view Path);

// The fault switch of the file layer: LEVELWRIGHT_FAULT_DISK_FULL names a host path prefix below
// which every write fails as if the disk were full. Empty or unset: no fault.
bool IsWriteRefused(const std::filesystem::path& HostPath);

// UTF-8 <-> UTF-16 conversions shared by the stand-ins (unpaired surrogates become U+FFFD).
std::string ToUtf8(std::u16string_view Text);
void AppendUtf8(std::string& Out, std::u16string_view Text);
std::u16string ToUtf16(std::string_view Utf8);
} // namespace Standin::Machine
