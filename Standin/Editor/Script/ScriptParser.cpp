#include "Script/ScriptParser.h"

#include <charconv>
#include <cmath>

namespace Standin::Editor
{
namespace
{
bool IsBlank(char Character)
{
	return Character == ' ' || Character == '\t' || Character == '\r' || Character == '\n' || Character == '\v' || Character == '\f';
}

std::string_view Trim(std::string_view Text)
{
	while (!Text.empty() && IsBlank(Text.front()))
	{
		Text.remove_prefix(1);
	}
	while (!Text.empty() && IsBlank(Text.back()))
	{
		Text.remove_suffix(1);
	}
	return Text;
}

// The line up to its comment: a '#' that starts a word outside double quotes.
std::string_view WithoutComment(std::string_view Line)
{
	bool bQuoted = false;
	for (size_t Index = 0; Index < Line.size(); ++Index)
	{
		const char Character = Line[Index];
		if (bQuoted && Character == '\\' && Index + 1 < Line.size() && Line[Index + 1] == '"')
		{
			++Index;
		}
		else if (Character == '"')
		{
			bQuoted = !bQuoted;
		}
		else if (!bQuoted && Character == '#' && (Index == 0 || IsBlank(Line[Index - 1])))
		{
			return Line.substr(0, Index);
		}
	}
	return Line;
}

FScriptCommand Fail(std::string Message)
{
	FScriptCommand Command;
	Command.Error = std::move(Message);
	return Command;
}

bool ParseCount(const std::string& Text, long long& Out)
{
	const char* End = Text.data() + Text.size();
	const auto [Ptr, Code] = std::from_chars(Text.data(), End, Out);
	return Code == std::errc() && Ptr == End && Out >= 0;
}

bool ParseSeconds(const std::string& Text, double& Out)
{
	const char* End = Text.data() + Text.size();
	const auto [Ptr, Code] = std::from_chars(Text.data(), End, Out);
	return Code == std::errc() && Ptr == End && std::isfinite(Out) && Out > 0;
}

bool IsWindowVerb(const std::string& Word)
{
	return Word == "open-tab" || Word == "close-tab" || Word == "click" || Word == "type" || Word == "show" || Word == "screenshot" ||
		   Word == "screenshot-box";
}

bool WindowVerbNeedsArguments(const std::string& Word)
{
	return Word == "click" || Word == "type" || Word == "screenshot" || Word == "screenshot-box";
}

// The text after the first word of a comment-free, trimmed line.
std::string_view RestAfterFirstWord(std::string_view Line)
{
	size_t Index = 0;
	while (Index < Line.size() && !IsBlank(Line[Index]))
	{
		++Index;
	}
	return Trim(Line.substr(Index));
}

FScriptCommand ParseEdit(const std::vector<std::string>& Words)
{
	if (Words.size() < 3)
	{
		return Fail("edit needs an object path and at least one Property=value");
	}
	FScriptCommand Command;
	Command.Verb = EScriptVerb::Edit;
	Command.Name = Words[0];
	Command.ObjectPath = Words[1];
	for (size_t Index = 2; Index < Words.size(); ++Index)
	{
		const std::string& Word = Words[Index];
		const size_t Equals = Word.find('=');
		if (Equals == std::string::npos || Equals == 0)
		{
			return Fail("edit expects Property=value, not '" + Word + "'");
		}
		Command.Assignments.emplace_back(Word.substr(0, Equals), Word.substr(Equals + 1));
	}
	return Command;
}
} // namespace

std::vector<std::string> SplitScriptWords(std::string_view Line, std::string& Error)
{
	Line = WithoutComment(Line);
	std::vector<std::string> Words;
	std::string Current;
	bool bInWord = false;
	bool bQuoted = false;
	for (size_t Index = 0; Index < Line.size(); ++Index)
	{
		const char Character = Line[Index];
		if (bQuoted)
		{
			if (Character == '\\' && Index + 1 < Line.size() && Line[Index + 1] == '"')
			{
				Current += '"';
				++Index;
			}
			else if (Character == '"')
			{
				bQuoted = false;
			}
			else
			{
				Current += Character;
			}
		}
		else if (Character == '"')
		{
			bQuoted = true;
			bInWord = true;
		}
		else if (IsBlank(Character))
		{
			if (bInWord)
			{
				Words.push_back(std::move(Current));
				Current.clear();
				bInWord = false;
			}
		}
		else
		{
			Current += Character;
			bInWord = true;
		}
	}
	if (bQuoted)
	{
		Error = "unterminated double quote";
		return {};
	}
	if (bInWord)
	{
		Words.push_back(std::move(Current));
	}
	return Words;
}

FScriptCommand ParseScriptLine(std::string_view Line)
{
	std::string SplitError;
	const std::vector<std::string> Words = SplitScriptWords(Line, SplitError);
	if (!SplitError.empty())
	{
		return Fail(SplitError);
	}
	if (Words.empty())
	{
		return {};
	}
	const std::string& Verb = Words[0];
	FScriptCommand Command;
	Command.Name = Verb;
	if (IsWindowVerb(Verb))
	{
		Command.Arguments = std::string(RestAfterFirstWord(Trim(WithoutComment(Line))));
		if (WindowVerbNeedsArguments(Verb) && Command.Arguments.empty())
		{
			return Fail(Verb + " needs an argument");
		}
		Command.Verb = EScriptVerb::Window;
		return Command;
	}
	if (Verb == "answer")
	{
		if (Words.size() != 2 || (Words[1] != "yes" && Words[1] != "no"))
		{
			return Fail("answer takes yes or no");
		}
		Command.Verb = EScriptVerb::Answer;
		Command.bYes = Words[1] == "yes";
		return Command;
	}
	if (Verb == "tick")
	{
		if (Words.size() > 2 || (Words.size() == 2 && !ParseCount(Words[1], Command.Frames)))
		{
			return Fail("tick takes a frame count (0 or more)");
		}
		Command.Verb = EScriptVerb::Tick;
		return Command;
	}
	if (Verb == "wait-idle")
	{
		Command.Seconds = DefaultWaitIdleSeconds;
		if (Words.size() > 2 || (Words.size() == 2 && !ParseSeconds(Words[1], Command.Seconds)))
		{
			return Fail("wait-idle takes a time limit in seconds (more than 0)");
		}
		Command.Verb = EScriptVerb::WaitIdle;
		return Command;
	}
	if (Verb == "save-all" || Verb == "quit")
	{
		if (Words.size() != 1)
		{
			return Fail(Verb + " takes no argument");
		}
		Command.Verb = Verb == "quit" ? EScriptVerb::Quit : EScriptVerb::SaveAll;
		return Command;
	}
	if (Verb == "edit")
	{
		return ParseEdit(Words);
	}
	return Fail("unknown command '" + Verb + "'");
}
} // namespace Standin::Editor
