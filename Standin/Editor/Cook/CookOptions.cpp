#include "Cook/CookOptions.h"

#include <algorithm>
#include <optional>

#include "Cook/CookLog.h"
#include "Cook/CookPackages.h"

namespace Standin::Editor::Cook
{
namespace
{
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
} // namespace

bool ReadCookOptions(const FEditorCommandLine& CommandLine, FCookOptions& OutOptions)
{
	OutOptions = FCookOptions();
	OutOptions.bIterate = CommandLine.Has("iterate");
	return ReadPlatforms(CommandLine, OutOptions.Platforms) && ReadMaps(CommandLine, OutOptions.Maps);
}
} // namespace Standin::Editor::Cook
