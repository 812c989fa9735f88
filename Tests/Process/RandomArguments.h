// Random argument lists over the characters the Windows quoting rules care about, and the
// command line made of them.
#pragma once

#include "HAL/ProcessRunner.h"

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ProcessTest
{
using Args = std::vector<std::u16string>;

// Random arguments over the characters that matter to the rules, plus non-ASCII text.
inline Args RandomArguments(std::mt19937& Random, std::u16string_view Alphabet)
{
	const std::vector<std::u16string> Pieces = {u"\u00e9", u"\u65e5\u672c", u"\U0001F600", u"\\\\", u"\"\""};
	Args Result;
	const int Count = std::uniform_int_distribution<int>(0, 6)(Random);
	for (int Index = 0; Index < Count; ++Index)
	{
		std::u16string Argument;
		const int Length = std::uniform_int_distribution<int>(0, 12)(Random);
		for (int Char = 0; Char < Length; ++Char)
		{
			const size_t Pick = std::uniform_int_distribution<size_t>(0, Alphabet.size() + Pieces.size() - 1)(Random);
			Argument += Pick < Alphabet.size() ? std::u16string(1, Alphabet[Pick]) : Pieces[Pick - Alphabet.size()];
		}
		Result.push_back(Argument);
	}
	return Result;
}

// The command line a caller builds: the quoted program, then each argument quoted, one blank apart.
inline std::u16string JoinCommandLine(std::u16string_view QuotedProgram, const Args& Arguments)
{
	std::u16string Line(QuotedProgram);
	for (const std::u16string& Argument : Arguments)
	{
		Line += u" " + Standin::Process::QuoteWindowsArgument(Argument);
	}
	return Line;
}
} // namespace ProcessTest
