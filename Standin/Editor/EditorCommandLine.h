// The editor's command line: the project file first, then switches ("-name" or "-name=value").
// Switch names are matched ignoring letter case, as the engine's FParse does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Standin::Editor
{
struct FEditorCommandLine
{
	// The first argument when it is not a switch; empty when none was given.
	std::string Project;
	// Every other argument, as given.
	std::vector<std::string> Arguments;

	// The value of "-Name=value" (the first one given), or nothing when the switch is absent.
	std::optional<std::string> GetValue(std::string_view Name) const;
	// True for "-Name" or "-Name=..." anywhere.
	bool Has(std::string_view Name) const;
};

FEditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& Arguments);

bool EqualsIgnoringCase(std::string_view A, std::string_view B);
} // namespace Standin::Editor
