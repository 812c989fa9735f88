// The cooked tree of one platform, Saved/Cooked/<Platform>: a full cook deletes it first, as the
// engine's does; an iterative cook (-iterate) keeps the packages that are still current there, re-cooks
// the others and removes every file this cook would not write, so that the folder ends as a full cook
// would leave it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Cook/CookPackages.h"

namespace Standin::Editor::Cook
{
// Deletes the platform folder and everything in it; a missing folder is fine. False with a message
// when anything stays.
bool ClearPlatformFolder(const std::filesystem::path& PlatformDir, std::string& OutError);

// For each package of the set (in its order), the latest modification time among its own sources
// (the package file and, for a Texture2D, the image it names) and those of every package it reaches
// through its imports. file_time_type::max() when one of them cannot be read: that package is never
// current, so it is cooked again (and the cook reports what is wrong).
std::vector<std::filesystem::file_time_type> LatestSourceTimes(const FCookSet& Set);

struct FIterativePlan
{
	std::vector<size_t> ToCook; // indexes into FCookSet::Packages, in order
	size_t KeptCount = 0;
	std::vector<std::filesystem::path> StaleFiles; // below the platform folder, not written by this cook
	std::vector<std::filesystem::path> Folders;	   // every folder below the platform folder
};

// A package is kept when each file it gets on the platform (CookedFileNames) is a regular file below
// ContentDir and strictly newer than SourceTimes[its index]. An equal time counts as a change: a file
// system's clock may give an edit and the cook just before it the same time. False with a message
// when the platform folder cannot be read.
bool PlanIterativeCook(const std::filesystem::path& PlatformDir, const std::filesystem::path& ContentDir, std::string_view Platform,
					   const FCookSet& Set, const std::vector<std::filesystem::file_time_type>& SourceTimes, FIterativePlan& OutPlan,
					   std::string& OutError);

// Removes the plan's stale files, then each of its folders that is left empty (deepest first). False
// with a message at the first file or folder that cannot be removed.
bool RemoveStale(const FIterativePlan& Plan, std::string& OutError);
} // namespace Standin::Editor::Cook
