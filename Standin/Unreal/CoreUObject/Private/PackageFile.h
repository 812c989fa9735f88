// Package files: reading a package's JSON file into memory and writing a package back.
#pragma once

#include <filesystem>
#include <string>

#include "ObjectRegistry.h"

namespace Standin
{
// The package's short name: "/Game/A/B" gives "B".
FString GetPackageShortName(const FString& PackageName);
// The host path of the package's file with that extension ("uasset" or "umap"); empty when the
// package is not below /Game or there is no project.
std::filesystem::path GetPackageFilePath(const FString& PackageName, const char* Extension);
// The package's existing file (.uasset before .umap), or empty.
std::filesystem::path FindPackageFile(const FString& PackageName);

// Loads the package's file: creates the package (or fills the one in memory) and its object.
// Returns the object, or null when there is no file or it is malformed (reported as an Error line).
UObject* LoadPackageFile(const FString& PackageName);
// Writes the package's file. False with a message when it cannot.
bool SavePackageFile(FPackageRecord& Record, std::string& OutError);
} // namespace Standin
