// Line breaks (the platform's LINE_TERMINATOR, CRLF on Windows), tabs and blanks.
#pragma once

#include "Policies/JsonPrintPolicy.h"

template <class CharType>
struct TPrettyJsonPrintPolicy : public TJsonPrintPolicy<CharType>
{
	using typename TJsonPrintPolicy<CharType>::FStream;

	static void WriteLineTerminator(FStream& Stream) { Stream.append(LINE_TERMINATOR); }
	static void WriteTabs(FStream& Stream, int32 Count) { Stream.append(static_cast<size_t>(Count > 0 ? Count : 0), CharType('\t')); }
	static void WriteSpace(FStream& Stream) { Stream.push_back(CharType(' ')); }
};
