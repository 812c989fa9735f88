// What the pipeline and Quarn tests share: the project's build folders, reading back paks with the
// built UnrealPak.exe, and rerunning a tool to learn the exact output the plugin should have logged.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "CoreMinimal.h"
#include "PluginTestFixture.h"

namespace LevelwrightTest
{
struct FPakListing
{
	int ExitCode = -1;
	std::string MountPoint;
	std::vector<std::string> Names; // sorted
};

// "UnrealPak.exe <pak> -List", parsed.
FPakListing ListPak(const std::filesystem::path& Pak);

struct FToolRun
{
	bool bStarted = false;
	int32 ReturnCode = 0;
	// Standard output and error through one pipe, as the engine's launcher gives them.
	FString Output;
};

// Runs the program at Path with Params through the engine's launcher and pipe, waiting for its end.
FToolRun RunTool(const FString& Path, const FString& Params);

// The error line the plugin logs for a tool that exited with Run's code: "<Prefix> %d \n%s %s", the
// tool's whole output first and nothing second (both streams come through one pipe).
std::string MakeNonZeroLine(const std::string& Prefix, const FToolRun& Run);
// The Error lines the plugin logs for a failed run: each of the tool's own error lines as it was
// printed, then the exit-code line.
std::vector<std::string> MakeFailureLines(const std::string& Prefix, const FToolRun& Run);

std::string ToUtf8(const FString& Text);

// A plugin test with helpers for the project's build folders.
class FPipelineTest : public FPluginTest
{
protected:
	// Saved/Cooked/<Platform>/Drovik/Content/CustomMaps/<Folder>
	std::filesystem::path CookedMapDir(const std::string& Platform, const std::string& Folder) const;
	std::string ReadSaved(const std::string& Name) const { return ReadFile(SavedDir() / Name); }
	// The log lines written since the last call of MarkLog (all lines when never called).
	std::vector<std::string> LinesSinceMark() const;
	void MarkLog() { LogMark = LogLines().size(); }
	bool HasLine(const std::string& Line) const;

private:
	size_t LogMark = 0;
};
} // namespace LevelwrightTest
