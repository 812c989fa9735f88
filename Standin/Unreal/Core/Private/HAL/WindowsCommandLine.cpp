// The Microsoft C runtime's command-line rules: splitting into argv, and quoting one argument.
#include "HAL/ProcessRunner.h"

namespace Standin::Process
{
namespace
{
bool IsBlank(char16_t C)
{
	return C == u' ' || C == u'\t';
}

void SkipBlanks(std::u16string_view Line, size_t& Pos)
{
	while (Pos < Line.size() && IsBlank(Line[Pos]))
	{
		++Pos;
	}
}

// The program name: to the next quote when it starts with one, otherwise to the next blank.
std::u16string ReadProgram(std::u16string_view Line, size_t& Pos)
{
	size_t End = 0;
	if (Line[Pos] == u'"')
	{
		++Pos;
		End = Line.find(u'"', Pos);
		End = End == std::u16string_view::npos ? Line.size() : End;
		std::u16string Program(Line.substr(Pos, End - Pos));
		Pos = End < Line.size() ? End + 1 : End;
		return Program;
	}
	End = Pos;
	while (End < Line.size() && !IsBlank(Line[End]))
	{
		++End;
	}
	std::u16string Program(Line.substr(Pos, End - Pos));
	Pos = End;
	return Program;
}

// One argument after the program, starting at a non-blank character.
std::u16string ReadArgument(std::u16string_view Line, size_t& Pos)
{
	std::u16string Argument;
	bool bInQuotes = false;
	while (Pos < Line.size())
	{
		size_t Backslashes = 0;
		while (Pos < Line.size() && Line[Pos] == u'\\')
		{
			++Backslashes;
			++Pos;
		}
		if (Pos < Line.size() && Line[Pos] == u'"')
		{
			Argument.append(Backslashes / 2, u'\\');
			if (Backslashes % 2 == 1)
			{
				Argument += u'"';
			}
			else if (bInQuotes && Pos + 1 < Line.size() && Line[Pos + 1] == u'"')
			{
				Argument += u'"';
				++Pos;
			}
			else
			{
				bInQuotes = !bInQuotes;
			}
			++Pos;
			continue;
		}
		Argument.append(Backslashes, u'\\');
		if (Pos == Line.size() || (!bInQuotes && IsBlank(Line[Pos])))
		{
			break;
		}
		Argument += Line[Pos++];
	}
	return Argument;
}
} // namespace

std::vector<std::u16string> SplitWindowsCommandLine(std::u16string_view Line)
{
	std::vector<std::u16string> Arguments;
	size_t Pos = 0;
	SkipBlanks(Line, Pos);
	if (Pos == Line.size())
	{
		return Arguments;
	}
	Arguments.push_back(ReadProgram(Line, Pos));
	for (SkipBlanks(Line, Pos); Pos < Line.size(); SkipBlanks(Line, Pos))
	{
		Arguments.push_back(ReadArgument(Line, Pos));
	}
	return Arguments;
}

std::u16string QuoteWindowsArgument(std::u16string_view Argument)
{
	if (!Argument.empty() && Argument.find_first_of(u" \t\"") == std::u16string_view::npos)
	{
		return std::u16string(Argument);
	}
	std::u16string Quoted = u"\"";
	size_t Backslashes = 0;
	for (char16_t C : Argument)
	{
		if (C == u'\\')
		{
			++Backslashes;
			continue;
		}
		// Backslashes before a quote are doubled, and the quote itself escaped.
		Quoted.append(C == u'"' ? Backslashes * 2 + 1 : Backslashes, u'\\');
		Quoted += C;
		Backslashes = 0;
	}
	// Backslashes before the closing quote are doubled so that it stays a closing quote.
	Quoted.append(Backslashes * 2, u'\\');
	Quoted += u'"';
	return Quoted;
}
} // namespace Standin::Process
