// Stand-in only (not engine API): the process's engine environment, set up by the headless editor,
// the cook commandlet and the tests before any engine call.
#pragma once

#include <filesystem>
#include <string>

namespace Standin::Engine
{
struct FSettings
{
	// The editor's binary folder (its working folder): <engine>/Binaries/Win64.
	std::filesystem::path BinariesDir;
	// The open project's .uproject file; empty for none.
	std::filesystem::path ProjectFile;
	bool bCommandlet = false;
	// The log file's name below <Project>/Saved/Logs; empty means "<ProjectName>.log".
	std::string LogFileName;
};

// Sets the environment and opens the project's log file. Absolute paths are kept as given
// (not resolved through symbolic links), so an engine folder made of links behaves as a copy.
void Initialize(const FSettings& Settings);
const FSettings& GetSettings();
} // namespace Standin::Engine
