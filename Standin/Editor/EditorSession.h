// What the editor and the cook commandlet share: where they were started, the engine's set-up with
// its banner, loading the project's plugin modules, and shutting them down.
#pragma once

#include <filesystem>
#include <string>

#include "EditorCommandLine.h"

namespace Standin::Editor
{
struct FLaunch
{
	// The folder the program was started in: relative paths of the command line and of script
	// commands are taken from here (the working folder moves to BinariesDir).
	std::filesystem::path StartFolder;
	// The folder of argv[0], absolute, symbolic links kept.
	std::filesystem::path BinariesDir;
	// The .uproject file, absolute.
	std::filesystem::path ProjectFile;
	FEditorCommandLine CommandLine;
};

// Initializes the engine stand-in for the project and prints the version banner.
void StartEngine(const FLaunch& Launch, bool bCommandlet, const std::string& LogFileName);

// Loads the modules of the project's Levelwright plugin when the project has it (which runs their
// StartupModule). False, with an error line, when the plugin names a module that cannot be loaded.
bool LoadProjectPlugins(const FLaunch& Launch);

// Shuts every loaded module down (last loaded first), as the engine does without waiting for work a
// module left running (each module ends its own), then closes the log. False, with an error line, when
// a background task still runs a minute later.
bool StopEngine();
} // namespace Standin::Editor
