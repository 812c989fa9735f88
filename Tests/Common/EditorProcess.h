// Running the built stand-in tools (UE4Editor.exe, UnrealPak.exe) as child processes of a test,
// through a test world's own engine folder (FTestEngine), with their output and exit code captured.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

#include "TestEnvironment.h"

namespace LevelwrightTest
{
struct FProcessResult
{
	int ExitCode = -1; // the exit code, or 128 + signal for a child killed by a signal
	std::string Output; // standard output and standard error, interleaved as written

	bool Has(const std::string& Text) const { return Output.find(Text) != std::string::npos; }
	std::vector<std::string> Lines() const;
	// The lines that contain Text, in order.
	std::vector<std::string> LinesWith(const std::string& Text) const;
};

// A running child whose standard input is a pipe the test writes to, so a test can watch it work
// on a script line by line.
class FChildProcess
{
public:
	// Starts Program with the arguments in StartFolder (argv[0] is Program as given).
	FChildProcess(const std::filesystem::path& Program, const std::vector<std::string>& Arguments, const std::filesystem::path& StartFolder);
	~FChildProcess();
	FChildProcess(const FChildProcess&) = delete;
	FChildProcess& operator=(const FChildProcess&) = delete;

	void Write(const std::string& Text);
	void CloseInput();
	// Reads output until it contains Text; false when the child ends or the time passes first.
	bool WaitForOutput(const std::string& Text, std::chrono::seconds Timeout = std::chrono::seconds(60));
	// Closes the input, reads the rest of the output and waits for the exit.
	FProcessResult Finish();
	const std::string& OutputSoFar() const { return Output; }

private:
	bool ReadSome(int TimeoutMs);

	pid_t Pid = -1;
	int InputFd = -1;
	int OutputFd = -1;
	std::string Output;
};

FProcessResult RunProcess(const std::filesystem::path& Program, const std::vector<std::string>& Arguments,
						  const std::filesystem::path& StartFolder, const std::string& StandardInput = std::string());

// UE4Editor.exe of the test's engine folder.
std::filesystem::path EditorProgram(const FTestEngine& Engine);

// Runs "UE4Editor.exe <project> -script=<file> -machine=<machine> <extra>" on the world from the
// project's parent folder, the script written to <parent>/script.txt first.
FProcessResult RunEditorScript(const FTestWorld& World, const std::string& Script, const std::vector<std::string>& ExtraArguments = {});

// Runs "UE4Editor.exe <project> -run=cook <switches>" from the project's parent folder.
FProcessResult RunCook(const FTestEngine& Engine, const FTestProject& Project, const std::vector<std::string>& Switches);
} // namespace LevelwrightTest
