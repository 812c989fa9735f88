// The cook's view of a project's content: packages stored as JSON below <Project>/Content, what each
// one references, and which packages a cook of some maps must include.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace Standin::Editor::Cook
{
struct FCookPackage
{
	std::string Name; // the long package name, /Game/...
	std::filesystem::path SourceFile;
	std::string Class;
	nlohmann::json Properties = nlohmann::json::object();
	// Every package it refers to (from "References" and from /Game paths in "Properties"), sorted.
	std::vector<std::string> Imports;
};

// The image a Texture2D's "Source" property names, beside its package file; empty when the package
// names none (or is no texture).
std::filesystem::path TextureImageFile(const FCookPackage& Package);

// "/Game/A/B.B" or "/Game/A/B.B:Sub" -> "/Game/A/B".
std::string ToPackageName(std::string_view ObjectPath);

// A long package name below /Game that maps safely to a file below Content: non-empty parts
// without '.', '..' or characters a package name cannot hold.
bool IsGamePackageName(std::string_view Name);

// Reads the package; false with a message when it is missing or malformed.
bool ReadPackage(const std::filesystem::path& ContentDir, const std::string& Name, FCookPackage& OutPackage, std::string& OutError);

// The packages below a /Game folder (recursively), sorted. A missing folder gives none.
std::vector<std::string> ListPackagesUnder(const std::filesystem::path& ContentDir, std::string_view GameFolder);

// The /Game folders of Config/DefaultGame.ini's "+DirectoriesToAlwaysCook=(Path="...")" lines.
std::vector<std::string> ReadDirectoriesToAlwaysCook(const std::filesystem::path& ProjectDir);

struct FCookSet
{
	std::vector<FCookPackage> Packages; // sorted by name
	std::set<std::string> Skipped;		// referenced packages outside /Game
	std::vector<std::string> Errors;
};

// Reads the roots and, transitively, every /Game package they import.
FCookSet CollectCookSet(const std::filesystem::path& ContentDir, const std::vector<std::string>& Roots);
} // namespace Standin::Editor::Cook
