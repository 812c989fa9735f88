#include "Cook/CookCommandlet.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>

#include "Cook/CookPackages.h"
#include "Cook/CookedFormat.h"
#include "Cook/PngImage.h"
#include "Standin/Log.h"
#include "Standin/Machine.h"

namespace Standin::Editor
{
namespace
{
namespace fs = std::filesystem;
using namespace Cook;

void Display(const std::string& Message)
{
	Log::WriteRawLine("LogCook: Display: " + Message);
}

void Warning(const std::string& Message)
{
	Log::WriteRawLine("LogCook: Warning: " + Message);
}

void Error(const std::string& Message)
{
	Log::WriteRawLine("LogCook: Error: " + Message);
}

std::vector<std::string> SplitPlus(const std::string& Text)
{
	std::vector<std::string> Parts;
	size_t Start = 0;
	for (;;)
	{
		const size_t Plus = Text.find('+', Start);
		Parts.push_back(Text.substr(Start, Plus - Start));
		if (Plus == std::string::npos)
		{
			return Parts;
		}
		Start = Plus + 1;
	}
}

// A platform name becomes a folder name: any non-empty name without separators or dots-only parts.
bool IsPlatformName(const std::string& Name)
{
	return !Name.empty() && Name != "." && Name != ".." && Name.find_first_of("/\\:") == std::string::npos;
}

bool ReadPlatforms(const FEditorCommandLine& CommandLine, std::vector<std::string>& OutPlatforms)
{
	const std::optional<std::string> Value = CommandLine.GetValue("targetplatform");
	if (!Value || Value->empty())
	{
		Error("No target platform given (-targetplatform=Platform1+Platform2)");
		return false;
	}
	for (const std::string& Platform : SplitPlus(*Value))
	{
		if (!IsPlatformName(Platform))
		{
			Error("Invalid target platform '" + Platform + "' in -targetplatform=" + *Value);
			return false;
		}
		if (std::find(OutPlatforms.begin(), OutPlatforms.end(), Platform) == OutPlatforms.end())
		{
			OutPlatforms.push_back(Platform);
		}
	}
	return true;
}

bool ReadMaps(const FEditorCommandLine& CommandLine, std::vector<std::string>& OutMaps)
{
	const std::optional<std::string> Value = CommandLine.GetValue("map");
	if (!Value || Value->empty())
	{
		Error(Value ? "-map= names no map" : "No map given (-map=/Game/...); the stand-in cooks only named maps");
		return false;
	}
	for (const std::string& Map : SplitPlus(*Value))
	{
		const std::string Name = ToPackageName(Map);
		if (!IsGamePackageName(Name))
		{
			Error("Map '" + Map + "' is not a package below /Game");
			return false;
		}
		OutMaps.push_back(Name);
	}
	return true;
}

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

bool DecodeTextures(const FCookSet& Set, std::map<std::string, FBgraImage>& OutTextures)
{
	bool bOk = true;
	for (const FCookPackage& Package : Set.Packages)
	{
		if (Package.Class != "Texture2D")
		{
			continue;
		}
		const auto Source = Package.Properties.find("Source");
		std::string Message;
		if (Source == Package.Properties.end() || !Source->is_string() || Source->get_ref<const std::string&>().empty())
		{
			Error("Texture " + Package.Name + " names no \"Source\" image");
			bOk = false;
		}
		else if (!DecodePngFile(Package.SourceFile.parent_path() / Source->get<std::string>(), OutTextures[Package.Name], Message))
		{
			Error("Texture " + Package.Name + ": " + Message);
			bOk = false;
		}
	}
	return bOk;
}

bool WriteBytes(const fs::path& File, const std::vector<uint8_t>& Bytes)
{
	std::error_code Ignored;
	fs::create_directories(File.parent_path(), Ignored);
	if (Machine::IsWriteRefused(File))
	{
		Error("Cannot write " + File.generic_string() + ": the disk is full");
		return false;
	}
	std::ofstream Stream(File, std::ios::binary | std::ios::trunc);
	Stream.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
	Stream.close();
	if (!Stream)
	{
		Error("Cannot write " + File.generic_string());
		return false;
	}
	return true;
}

bool WritePlatform(const fs::path& PlatformContentDir, const std::string& Platform, const FCookSet& Set,
				   const std::map<std::string, FBgraImage>& Textures)
{
	for (const FCookPackage& Package : Set.Packages)
	{
		const auto Texture = Textures.find(Package.Name);
		const FCookedPackage Cooked = SerializeCookedPackage(Package, Texture == Textures.end() ? nullptr : &Texture->second, Platform);
		const fs::path Base = PlatformContentDir / Package.Name.substr(std::string_view("/Game/").size());
		const auto WithExtension = [&Base](const std::string& Extension) { return fs::path(Base.string() + Extension); };
		if (!WriteBytes(WithExtension(Cooked.Extension), Cooked.Header) || !WriteBytes(WithExtension(".uexp"), Cooked.Exports) ||
			(Cooked.bHasBulk && !WriteBytes(WithExtension(".ubulk"), Cooked.Bulk)))
		{
			return false;
		}
		Display("Cooked " + Package.Name + " for " + Platform);
	}
	return true;
}

bool CookProject(const FLaunch& Launch)
{
	std::vector<std::string> Platforms;
	std::vector<std::string> Maps;
	if (!ReadPlatforms(Launch.CommandLine, Platforms) || !ReadMaps(Launch.CommandLine, Maps))
	{
		return false;
	}
	const fs::path ProjectDir = Launch.ProjectFile.parent_path();
	const std::string ProjectName = Launch.ProjectFile.stem().string();
	const FCookSet Set = CollectCookSet(ProjectDir / "Content", CookRoots(ProjectDir, Maps));
	for (const std::string& Skipped : Set.Skipped)
	{
		Display("Skipping " + Skipped + ": not below /Game");
	}
	for (const std::string& Message : Set.Errors)
	{
		Error(Message);
	}
	std::map<std::string, FBgraImage> Textures;
	if (!Set.Errors.empty() || !CheckMapsAreWorlds(Set, Maps) || !DecodeTextures(Set, Textures))
	{
		return false;
	}
	Display("Cooking " + std::to_string(Set.Packages.size()) + " package(s) for " + std::to_string(Platforms.size()) + " platform(s)");
	for (const std::string& Platform : Platforms)
	{
		const fs::path PlatformContentDir = ProjectDir / "Saved" / "Cooked" / Platform / ProjectName / "Content";
		if (!WritePlatform(PlatformContentDir, Platform, Set, Textures))
		{
			return false;
		}
	}
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
