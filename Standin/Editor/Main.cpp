// UE4Editor.exe, the stand-in: "UE4Editor.exe <Project.uproject> [-script=<file>] [-machine=<dir>]"
// runs a headless editor script; with "-run=cook" it is the cook commandlet; "UE4Editor.exe -CookWorker=<s>"
// is the worker a slowed cook runs beside it (Cook/SlowCook.h).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Cook/CookCommandlet.h"
#include "Cook/SlowCook.h"
#include "EditorSession.h"
#include "Script/ScriptRunner.h"
#include "Services/EditorServices.h"
#include "Standin/Log.h"
#include "Standin/Machine.h"

namespace
{
using namespace Standin::Editor;
namespace fs = std::filesystem;

constexpr int ExitUsage = 2;

// The folder of argv[0], absolute but with symbolic links kept (an engine folder of links behaves
// as a copy). A bare program name found through PATH falls back to the executable's real folder.
fs::path BinariesFolder(const char* Argv0, const fs::path& StartFolder)
{
	const fs::path Program(Argv0 ? Argv0 : "");
	if (Program.has_parent_path())
	{
		return (StartFolder / Program).lexically_normal().parent_path();
	}
	std::error_code Error;
	const fs::path Self = fs::read_symlink("/proc/self/exe", Error);
	return Error ? StartFolder : Self.parent_path();
}

// -machine= (else LEVELWRIGHT_MACHINE), made absolute before the working folder moves, and set for
// this process and every child it starts.
void SetUpMachine(const FLaunch& Launch)
{
	fs::path Machine;
	if (const std::optional<std::string> Value = Launch.CommandLine.GetValue("machine"))
	{
		Machine = *Value;
	}
	else
	{
		Machine = Standin::Machine::Root();
	}
	if (!Machine.empty())
	{
		Standin::Machine::SetRoot((Launch.StartFolder / Machine).lexically_normal());
	}
}

// A path of the command line or a script: the engine's form (a drive letter, backslashes) is mapped
// into the stand-in machine, and a relative path is taken from the start folder.
fs::path FromStartFolder(const FLaunch& Launch, const std::string& Path)
{
	return (Launch.StartFolder / Standin::Machine::ToHostPath(Path)).lexically_normal();
}

int RunEditor(const FLaunch& Launch)
{
	std::ifstream ScriptFile;
	std::istream* Stream = &std::cin;
	if (const std::optional<std::string> Script = Launch.CommandLine.GetValue("script"))
	{
		const fs::path ScriptPath = FromStartFolder(Launch, *Script);
		ScriptFile.open(ScriptPath, std::ios::binary);
		if (!ScriptFile)
		{
			Standin::Log::WriteRawLine("Script: Error: cannot open the script " + ScriptPath.string());
			return EXIT_FAILURE;
		}
		Stream = &ScriptFile;
	}
	FScriptLines Lines(*Stream);
	QueueLeadingAnswers(Lines);

	StartEngine(Launch, false, std::string());
	bool bOk = LoadProjectPlugins(Launch);
	if (bOk)
	{
		bOk = RunScript(Lines, Launch.StartFolder);
	}
	// The editor quits as the engine does: it does not wait for work a module left running; the
	// modules shut down, and each ends its own.
	Services::CloseAllWindows();
	bOk = StopEngine() && bOk;
	return bOk ? EXIT_SUCCESS : EXIT_FAILURE;
}
} // namespace

int main(int Argc, char** Argv)
{
	if (Argc == 2 && Standin::Editor::Cook::IsCookWorkerSwitch(Argv[1]))
	{
		return Standin::Editor::Cook::RunCookWorker(Argv[1]);
	}
	std::error_code Error;
	FLaunch Launch;
	Launch.StartFolder = fs::current_path(Error);
	Launch.CommandLine = ParseEditorCommandLine(std::vector<std::string>(Argv + std::min(Argc, 1), Argv + Argc));
	if (Launch.CommandLine.Project.empty())
	{
		std::fprintf(stderr, "Usage: UE4Editor.exe <Project.uproject> [-script=<file>] [-machine=<dir>]\n"
							 "       UE4Editor.exe <Project.uproject> -run=cook -targetplatform=A+B -map=/Game/...\n");
		return ExitUsage;
	}
	SetUpMachine(Launch);
	Launch.ProjectFile = FromStartFolder(Launch, Launch.CommandLine.Project);
	if (!fs::is_regular_file(Launch.ProjectFile, Error))
	{
		std::fprintf(stderr, "LogInit: Error: the project file %s does not exist\n", Launch.ProjectFile.c_str());
		return EXIT_FAILURE;
	}
	Launch.BinariesDir = BinariesFolder(Argc > 0 ? Argv[0] : nullptr, Launch.StartFolder);
	fs::current_path(Launch.BinariesDir, Error);
	if (Error)
	{
		std::fprintf(stderr, "LogInit: Error: cannot enter the binaries folder %s\n", Launch.BinariesDir.c_str());
		return EXIT_FAILURE;
	}

	if (const std::optional<std::string> Commandlet = Launch.CommandLine.GetValue("run"))
	{
		if (!EqualsIgnoringCase(*Commandlet, "cook"))
		{
			std::fprintf(stderr, "LogInit: Error: the stand-in has no commandlet '%s' (only cook)\n", Commandlet->c_str());
			return EXIT_FAILURE;
		}
		return RunCookCommandlet(Launch);
	}
	return RunEditor(Launch);
}
