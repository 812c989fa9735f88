// The editor script's grammar: one command a line. Parsing is a pure function of the line, so the
// runner, the leading-answer scan and the fuzzer all read a line the same way.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Standin::Editor
{
enum class EScriptVerb
{
	None, // blank line or comment
	Answer,
	Window, // open-tab, close-tab, click, type, show, screenshot, screenshot-box: handled by the window layer
	Tick,
	WaitIdle,
	SaveAll,
	Edit,
	Quit
};

struct FScriptCommand
{
	EScriptVerb Verb = EScriptVerb::None;
	// The command word as written (for window commands, the verb handed on).
	std::string Name;
	// Window commands: the rest of the line after the command word, trimmed, comment removed.
	std::string Arguments;
	bool bYes = false;		  // answer
	long long Frames = 1;	  // tick
	double Seconds = 120.0;	  // wait-idle
	std::string ObjectPath; // edit
	std::vector<std::pair<std::string, std::string>> Assignments; // edit
	// Not empty when the line cannot be understood; Verb is then None.
	std::string Error;
};

inline constexpr double DefaultWaitIdleSeconds = 120.0;

// Splits a line into words: blanks separate, double quotes group (and are removed), \" inside quotes
// is a quote, and '#' at the start of a word outside quotes starts a comment. Sets Error for an
// unterminated quote.
std::vector<std::string> SplitScriptWords(std::string_view Line, std::string& Error);

// Parses one line (without its line end; a trailing '\r' is ignored).
FScriptCommand ParseScriptLine(std::string_view Line);
} // namespace Standin::Editor
