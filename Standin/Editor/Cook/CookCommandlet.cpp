#include "Cook/CookCommandlet.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

#include "Cook/CookLog.h"
#include "Cook/CookOptions.h"
#include "Cook/CookPackages.h"
#include "Cook/CookedFormat.h"
#include "Cook/CookedTree.h"
#include "Cook/PngImage.h"
#include "Cook/SlowCook.h"
#include "Standin/Machine.h"

namespace Standin::Editor
{
namespace
{
namespace fs = std::filesystem;
using namespace Cook;

// What one platform of the cook writes, and (iterative cooks) keeps and removes.
struct FPlatformCook
{
	std::string Platform;
	fs::path PlatformDir;  // Saved/Cooked/<Platform>
	fs::path ContentDir;   // PlatformDir/<Project>/Content
	FIterativePlan Plan;   // ToCook is every package for a full cook
};

// The maps and every package of the always-cooked folders.
std::vector<std::string> CookRoots(const fs::path& ProjectDir, const std::vector<std::string>& Maps)
{
	std::vector<std::string> Roots = Maps;
	for (const std::string& Folder : ReadDirectoriesToAlwaysCook(ProjectDir))
	{
		const std::vector<std::string> Packages = ListPackagesUnder(ProjectDir / "Content", Folder);
		if (Packages.empty())
		{
			Warning("DirectoriesToAlwaysCook: " + Folder + " holds no package");
		}
		Display("Always cooking " + std::to_string(Packages.size()) + " package(s) below " + Folder);
		Roots.insert(Roots.end(), Packages.begin(), Packages.end());
	}
	return Roots;
}

bool CheckMapsAreWorlds(const FCookSet& Set, const std::vector<std::string>& Maps)
{
	bool bOk = true;
	for (const FCookPackage& Package : Set.Packages)
	{
		if (std::find(Maps.begin(), Maps.end(), Package.Name) != Maps.end() && Package.Class != "World")
		{
			Error("Map " + Package.Name + " is a " + Package.Class + ", not a World");
			bOk = false;
		}
	}
	return bOk;
}

// Decodes the image of every texture some platform cooks.
bool DecodeTextures(const FCookSet& Set, const std::vector<FPlatformCook>& Cooks, std::map<std::string, FBgraImage>& OutTextures)
{
	std::set<size_t> Indexes;
	for (const FPlatformCook& Cook : Cooks)
	{
		Indexes.insert(Cook.Plan.ToCook.begin(), Cook.Plan.ToCook.end());
	}
	bool bOk = true;
	for (const size_t Index : Indexes)
	{
		const FCookPackage& Package = Set.Packages[Index];
		if (Package.Class != "Texture2D")
		{
			continue;
		}
		const fs::path Image = TextureImageFile(Package);
		std::string Message;
		if (Image.empty())
		{
			Error("Texture " + Package.Name + " names no \"Source\" image");
			bOk = false;
		}
		else if (!DecodePngFile(Image, OutTextures[Package.Name], Message))
		{
			Error("Texture " + Package.Name + ": " + Message);
			bOk = false;
		}
	}
	return bOk;
}

// Written beside the file and renamed over it, so that a cook killed half-way never leaves a cut
// file that a later iterative cook would take for current.
bool WriteBytes(const fs::path& File, const std::vector<uint8_t>& Bytes)
{
	std::error_code Error;
	fs::create_directories(File.parent_path(), Error);
	if (Machine::IsWriteRefused(File))
	{
		Cook::Error("Cannot write " + File.generic_string() + ": the disk is full");
		return false;
	}
	const fs::path Partial = fs::path(File.string() + ".partial");
	std::ofstream Stream(Partial, std::ios::binary | std::ios::trunc);
	Stream.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
	Stream.close();
	if (Stream)
	{
		fs::rename(Partial, File, Error);
	}
	if (!Stream || Error)
	{
		fs::remove(Partial, Error);
		Cook::Error("Cannot write " + File.generic_string());
		return false;
	}
	return true;
}

bool WritePackages(const FPlatformCook& Cook, const FCookSet& Set, const std::map<std::string, FBgraImage>& Textures)
{
	for (const size_t Index : Cook.Plan.ToCook)
	{
		const FCookPackage& Package = Set.Packages[Index];
		const auto Texture = Textures.find(Package.Name);
		const FCookedPackage Cooked = SerializeCookedPackage(Package, Texture == Textures.end() ? nullptr : &Texture->second, Cook.Platform);
		const std::vector<std::string> Names = CookedFileNames(Package, Cook.Platform);
		const std::vector<const std::vector<uint8_t>*> Contents{&Cooked.Header, &Cooked.Exports, &Cooked.Bulk};
		for (size_t File = 0; File < Names.size(); ++File)
		{
			if (!WriteBytes(Cook.ContentDir / Names[File], *Contents[File]))
			{
				return false;
			}
		}
		Display("Cooked " + Package.Name + " for " + Cook.Platform);
	}
	return true;
}

// A full cook starts from nothing: the engine deletes each target platform's folder before it cooks.
bool ClearPlatformFolders(const std::vector<FPlatformCook>& Cooks)
{
	for (const FPlatformCook& Cook : Cooks)
	{
		Display("Full cook: deleting the cooked folder " + Cook.PlatformDir.generic_string());
		std::string Message;
		if (!ClearPlatformFolder(Cook.PlatformDir, Message))
		{
			Error("Cannot delete the cooked folder of " + Cook.Platform + ": " + Message);
			return false;
		}
	}
	return true;
}

bool PlanCooks(const FCookSet& Set, bool bIterate, std::vector<FPlatformCook>& Cooks)
{
	const std::vector<fs::file_time_type> SourceTimes = bIterate ? LatestSourceTimes(Set) : std::vector<fs::file_time_type>();
	for (FPlatformCook& Cook : Cooks)
	{
		if (!bIterate)
		{
			Cook.Plan.ToCook.resize(Set.Packages.size());
			for (size_t Index = 0; Index < Set.Packages.size(); ++Index)
			{
				Cook.Plan.ToCook[Index] = Index;
			}
			continue;
		}
		std::string Message;
		if (!PlanIterativeCook(Cook.PlatformDir, Cook.ContentDir, Cook.Platform, Set, SourceTimes, Cook.Plan, Message))
		{
			Error("Iterative cook of " + Cook.Platform + ": " + Message);
			return false;
		}
	}
	return true;
}

bool WritePlatform(const FPlatformCook& Cook, const FCookSet& Set, const std::map<std::string, FBgraImage>& Textures, bool bIterate)
{
	std::string Message;
	if (!RemoveStale(Cook.Plan, Message))
	{
		Error("Cannot remove a stale cooked file: " + Message);
		return false;
	}
	if (!WritePackages(Cook, Set, Textures))
	{
		return false;
	}
	const std::string Cooked = std::to_string(Cook.Plan.ToCook.size());
	Display(bIterate ? "Iterative cook of " + Cook.Platform + ": kept " + Count(Cook.Plan.KeptCount, "package") + ", cooked " + Cooked +
						   ", removed " + Count(Cook.Plan.StaleFiles.size(), "file")
					 : "Full cook of " + Cook.Platform + ": cooked " + Count(Cook.Plan.ToCook.size(), "package"));
	return true;
}

bool CookProject(const FLaunch& Launch)
{
	FCookOptions Options;
	FSlowCook Slow;
	if (!ReadCookOptions(Launch.CommandLine, Options) || !Slow.ReadSetting() || !Slow.Start())
	{
		return false;
	}
	const fs::path ProjectDir = Launch.ProjectFile.parent_path();
	const std::string ProjectName = Launch.ProjectFile.stem().string();
	std::vector<FPlatformCook> Cooks;
	for (const std::string& Platform : Options.Platforms)
	{
		const fs::path PlatformDir = ProjectDir / "Saved" / "Cooked" / Platform;
		Cooks.push_back({Platform, PlatformDir, PlatformDir / ProjectName / "Content", {}});
	}
	if (!Options.bIterate && !ClearPlatformFolders(Cooks))
	{
		return false;
	}
	const FCookSet Set = CollectCookSet(ProjectDir / "Content", CookRoots(ProjectDir, Options.Maps));
	for (const std::string& Skipped : Set.Skipped)
	{
		Display("Skipping " + Skipped + ": not below /Game");
	}
	for (const std::string& Message : Set.Errors)
	{
		Error(Message);
	}
	std::map<std::string, FBgraImage> Textures;
	if (!Set.Errors.empty() || !CheckMapsAreWorlds(Set, Options.Maps) || !PlanCooks(Set, Options.bIterate, Cooks) || !DecodeTextures(Set, Cooks, Textures))
	{
		return false;
	}
	Display("Cooking " + std::to_string(Set.Packages.size()) + " package(s) for " + std::to_string(Cooks.size()) + " platform(s)");
	Slow.WaitOut();
	for (const FPlatformCook& Cook : Cooks)
	{
		if (!WritePlatform(Cook, Set, Textures, Options.bIterate))
		{
			return false;
		}
	}
	Slow.Stop();
	Display("Cook complete: " + std::to_string(Set.Packages.size()) + " package(s)");
	return true;
}
} // namespace

int RunCookCommandlet(const FLaunch& Launch)
{
	StartEngine(Launch, true, Launch.ProjectFile.stem().string() + "-cook.log");
	bool bOk = LoadProjectPlugins(Launch);
	if (bOk)
	{
		bOk = CookProject(Launch);
	}
	if (!bOk)
	{
		Error("Cook failed");
	}
	StopEngine();
	return bOk ? EXIT_SUCCESS : EXIT_FAILURE;
}
} // namespace Standin::Editor
