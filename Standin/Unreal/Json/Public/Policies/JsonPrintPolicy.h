// How a Json writer prints its tokens. The stand-in's writers print into a UTF-16 buffer.
#pragma once

#include <cstdio>
#include <string>

#include "CoreMinimal.h"

template <class CharType>
struct TJsonPrintPolicy
{
	using FStream = std::u16string;

	static void WriteChar(FStream& Stream, CharType Char) { Stream.push_back(Char); }
	static void WriteString(FStream& Stream, const FString& String) { Stream.append(*String, String.Len()); }
	static void WriteFloat(FStream& Stream, float Value) { WriteNumber(Stream, "%g", Value); }
	// 17 significant digits: every double (and every integer up to 2^53) prints exactly.
	static void WriteDouble(FStream& Stream, double Value) { WriteNumber(Stream, "%.17g", Value); }

private:
	static void WriteNumber(FStream& Stream, const char* Format, double Value)
	{
		char Buffer[64];
		const int Length = std::snprintf(Buffer, sizeof(Buffer), Format, Value);
		for (int Index = 0; Index < Length; ++Index)
		{
			Stream.push_back(static_cast<CharType>(Buffer[Index]));
		}
	}
};
