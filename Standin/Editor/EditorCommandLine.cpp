#include "EditorCommandLine.h"

#include <algorithm>
#include <cctype>

namespace Standin::Editor
{
bool EqualsIgnoringCase(std::string_view A, std::string_view B)
{
	return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
			   return std::tolower(static_cast<unsigned char>(X)) == std::tolower(static_cast<unsigned char>(Y));
		   });
}

namespace
{
// "-Name=value" -> ("Name", "value", true); "-Name" -> ("Name", "", false).
bool SplitSwitch(std::string_view Argument, std::string_view& Name, std::string_view& Value, bool& bHasValue)
{
	if (Argument.size() < 2 || Argument[0] != '-')
	{
		return false;
	}
	Argument.remove_prefix(1);
	const size_t Equals = Argument.find('=');
	bHasValue = Equals != std::string_view::npos;
	Name = Argument.substr(0, Equals);
	Value = bHasValue ? Argument.substr(Equals + 1) : std::string_view();
	return true;
}
} // namespace

std::optional<std::string> FEditorCommandLine::GetValue(std::string_view Wanted) const
{
	for (const std::string& Argument : Arguments)
	{
		std::string_view Name, Value;
		bool bHasValue = false;
		if (SplitSwitch(Argument, Name, Value, bHasValue) && bHasValue && EqualsIgnoringCase(Name, Wanted))
		{
			return std::string(Value);
		}
	}
	return std::nullopt;
}

bool FEditorCommandLine::Has(std::string_view Wanted) const
{
	for (const std::string& Argument : Arguments)
	{
		std::string_view Name, Value;
		bool bHasValue = false;
		if (SplitSwitch(Argument, Name, Value, bHasValue) && EqualsIgnoringCase(Name, Wanted))
		{
			return true;
		}
	}
	return false;
}

FEditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& Arguments)
{
	FEditorCommandLine CommandLine;
	size_t First = 0;
	if (!Arguments.empty() && !Arguments[0].empty() && Arguments[0][0] != '-')
	{
		CommandLine.Project = Arguments[0];
		First = 1;
	}
	CommandLine.Arguments.assign(Arguments.begin() + static_cast<std::ptrdiff_t>(First), Arguments.end());
	return CommandLine;
}
} // namespace Standin::Editor
