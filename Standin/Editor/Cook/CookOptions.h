// What the cook commandlet's command line asks for: -targetplatform=A+B, -map=/Game/X+/Game/Y, -iterate.
#pragma once

#include <string>
#include <vector>

#include "EditorCommandLine.h"

namespace Standin::Editor::Cook
{
struct FCookOptions
{
	std::vector<std::string> Platforms; // each once, in the order given
	std::vector<std::string> Maps;		// long package names below /Game
	bool bIterate = false;
};

// False, with LogCook: Error lines, when a platform or a map is missing or malformed.
bool ReadCookOptions(const FEditorCommandLine& CommandLine, FCookOptions& OutOptions);
} // namespace Standin::Editor::Cook
