// Stand-in only (not engine API): saving and editing packages, for the headless editor's `save-all`
// and `edit` commands, the cook commandlet and tests.
//
// Package file format: the package /Game/A/B is the file <Project>/Content/A/B.uasset (B.umap for a
// World), UTF-8 JSON { "Class": "<class without prefix>", "Properties": {...}, "References": [...] },
// holding one object named B (object path /Game/A/B.B). "References" lists the packages the object
// refers to by hard reference.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "Containers/UnrealString.h"

class UObject;
class UPackage;

namespace Standin::Packages
{
// Writes every dirty package as its file and clears its dirty flag. False with the reasons when a
// package could not be saved (the others are still saved).
bool SaveDirtyPackages(std::string& OutError);

// Writes the package as its file, dirty or not, and clears its dirty flag (the editor saving the
// packages it is given). False with the reason when it cannot: no package, not a package of this
// registry, nothing to save in it, or its file cannot be written.
bool SavePackage(UPackage* Package, std::string& OutError);

// Sets properties from text as the details panel does: loads the object, sets each Name=Value
// (lists comma-separated; bools true/false; object paths as text, "" or None for none; enums and
// integers as numbers), marks the package dirty. On error nothing is changed.
bool EditObject(const FString& ObjectPath, const std::vector<std::pair<std::string, std::string>>& Assignments, std::string& OutError);

// The host path of the package's file: the existing .uasset or .umap, else where it would be saved
// (.uasset). Empty for a package outside /Game.
std::filesystem::path GetPackageFilename(const FString& PackageName);

// The package names currently in memory with their dirty flag set, sorted.
std::vector<FString> GetDirtyPackageNames();
} // namespace Standin::Packages
