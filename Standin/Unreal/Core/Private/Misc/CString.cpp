#include "Misc/CString.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "Standin/Machine.h"

int32 FCString::Strlen(const TCHAR* String)
{
	int32 Length = 0;
	while (String && String[Length])
	{
		++Length;
	}
	return Length;
}

int32 FCString::Strcmp(const TCHAR* A, const TCHAR* B)
{
	for (;; ++A, ++B)
	{
		if (*A != *B || *A == 0)
		{
			return static_cast<int32>(*A) - static_cast<int32>(*B);
		}
	}
}

int32 FCString::Stricmp(const TCHAR* A, const TCHAR* B)
{
	for (;; ++A, ++B)
	{
		const TCHAR LA = FChar::ToLower(*A);
		const TCHAR LB = FChar::ToLower(*B);
		if (LA != LB || LA == 0)
		{
			return static_cast<int32>(LA) - static_cast<int32>(LB);
		}
	}
}

int32 FCString::Strncmp(const TCHAR* A, const TCHAR* B, SIZE_T Count)
{
	for (; Count > 0; --Count, ++A, ++B)
	{
		if (*A != *B || *A == 0)
		{
			return static_cast<int32>(*A) - static_cast<int32>(*B);
		}
	}
	return 0;
}

int32 FCString::Strnicmp(const TCHAR* A, const TCHAR* B, SIZE_T Count)
{
	for (; Count > 0; --Count, ++A, ++B)
	{
		const TCHAR LA = FChar::ToLower(*A);
		const TCHAR LB = FChar::ToLower(*B);
		if (LA != LB || LA == 0)
		{
			return static_cast<int32>(LA) - static_cast<int32>(LB);
		}
	}
	return 0;
}

const TCHAR* FCString::Strstr(const TCHAR* String, const TCHAR* Find)
{
	const std::u16string_view Haystack(String);
	const auto Position = Haystack.find(Find);
	return Position == std::u16string_view::npos ? nullptr : String + Position;
}

const TCHAR* FCString::Stristr(const TCHAR* String, const TCHAR* Find)
{
	const int32 FindLength = Strlen(Find);
	for (const TCHAR* C = String; *C; ++C)
	{
		if (Strnicmp(C, Find, FindLength) == 0)
		{
			return C;
		}
	}
	return FindLength == 0 ? String : nullptr;
}

int64 FCString::Atoi64(const TCHAR* String)
{
	if (!String)
	{
		return 0;
	}
	while (FChar::IsWhitespace(*String))
	{
		++String;
	}
	bool bNegative = false;
	if (*String == u'+' || *String == u'-')
	{
		bNegative = *String == u'-';
		++String;
	}
	// Out of range saturates, as the C runtime's _wtoi64 does; the limit's magnitude fits in uint64.
	const uint64 Limit = bNegative ? uint64(MAX_int64) + 1 : uint64(MAX_int64);
	uint64 Value = 0;
	while (FChar::IsDigit(*String))
	{
		const uint64 Digit = static_cast<uint64>(*String - u'0');
		Value = Value > (Limit - Digit) / 10 ? Limit : Value * 10 + Digit;
		++String;
	}
	return bNegative ? static_cast<int64>(0 - Value) : static_cast<int64>(Value);
}

int32 FCString::Atoi(const TCHAR* String)
{
	// _wtoi saturates at the int32 limits.
	return static_cast<int32>(std::clamp<int64>(Atoi64(String), MIN_int32, MAX_int32));
}

double FCString::Atod(const TCHAR* String)
{
	const std::string Narrow = Standin::Machine::ToUtf8(String ? String : u"");
	return std::strtod(Narrow.c_str(), nullptr);
}

uint64 FCString::Strtoui64(const TCHAR* Start, TCHAR** End, int32 Base)
{
	const std::string Narrow = Standin::Machine::ToUtf8(Start ? Start : u"");
	char* NarrowEnd = nullptr;
	const uint64 Value = std::strtoull(Narrow.c_str(), &NarrowEnd, Base);
	if (End)
	{
		// Every consumed character is ASCII, so the narrow offset is the wide one.
		*End = const_cast<TCHAR*>(Start) + (NarrowEnd - Narrow.c_str());
	}
	return Value;
}

bool FCString::IsPureAnsi(const TCHAR* String)
{
	for (; *String; ++String)
	{
		if (*String > 0x7f)
		{
			return false;
		}
	}
	return true;
}

bool FCString::IsNumeric(const TCHAR* String)
{
	if (*String == u'-' || *String == u'+')
	{
		++String;
	}
	bool bHasDot = false;
	bool bHasDigit = false;
	for (; *String; ++String)
	{
		if (*String == u'.')
		{
			if (bHasDot)
			{
				return false;
			}
			bHasDot = true;
		}
		else if (FChar::IsDigit(*String))
		{
			bHasDigit = true;
		}
		else
		{
			return false;
		}
	}
	return bHasDigit;
}
