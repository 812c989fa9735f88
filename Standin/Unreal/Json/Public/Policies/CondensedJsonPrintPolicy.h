// No line breaks, tabs or blanks.
#pragma once

#include "Policies/JsonPrintPolicy.h"

template <class CharType>
struct TCondensedJsonPrintPolicy : public TJsonPrintPolicy<CharType>
{
	using typename TJsonPrintPolicy<CharType>::FStream;

	static void WriteLineTerminator(FStream&) {}
	static void WriteTabs(FStream&, int32) {}
	static void WriteSpace(FStream&) {}
};
