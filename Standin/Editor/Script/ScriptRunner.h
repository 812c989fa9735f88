// Runs an editor script: the leading answers before start-up, then every other command line by line
// as it arrives, with editor frames in between where a command asks for them.
#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "Script/ScriptParser.h"

namespace Standin::Editor
{
// The script's lines, read one at a time as they arrive (a file, or standard input from a pipe).
class FScriptLines
{
public:
	explicit FScriptLines(std::istream& InStream) : Stream(InStream) {}

	// The next line (without its line end); false at the end of the script.
	bool Next(std::string& OutLine);
	// Gives a line back, to be returned by the next call of Next.
	void PutBack(std::string Line);
	int GetLineNumber() const { return LineNumber; }

private:
	std::istream& Stream;
	std::optional<std::string> PutBackLine;
	int LineNumber = 0;
};

// Queues the answers of the script's leading "answer" lines (blank and comment lines included),
// stopping at the first other line, which stays in Lines for RunScript.
void QueueLeadingAnswers(FScriptLines& Lines);

// Runs the rest of the script. Every command that cannot be done prints "Script: Error: ..."; the
// script goes on with the next line. Returns false when any command failed.
bool RunScript(FScriptLines& Lines, const std::filesystem::path& StartFolder);

// One editor frame: the game thread's tasks, the editor tickables, the windows, then a short sleep.
void RunEditorFrame();
} // namespace Standin::Editor
