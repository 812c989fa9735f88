#pragma once

#include "CoreTypes.h"

// The engine's C-string helpers over TCHAR.
struct FCString
{
	static int32 Strlen(const TCHAR* String);
	static int32 Strcmp(const TCHAR* A, const TCHAR* B);
	static int32 Stricmp(const TCHAR* A, const TCHAR* B);
	static int32 Strncmp(const TCHAR* A, const TCHAR* B, SIZE_T Count);
	static int32 Strnicmp(const TCHAR* A, const TCHAR* B, SIZE_T Count);
	static const TCHAR* Strstr(const TCHAR* String, const TCHAR* Find);
	static const TCHAR* Stristr(const TCHAR* String, const TCHAR* Find);
	// As the C runtime's _wtoi: leading white space, an optional sign, leading digits; 0 when none.
	static int32 Atoi(const TCHAR* String);
	static int64 Atoi64(const TCHAR* String);
	static double Atod(const TCHAR* String);
	static float Atof(const TCHAR* String) { return static_cast<float>(Atod(String)); }
	static uint64 Strtoui64(const TCHAR* Start, TCHAR** End, int32 Base);
	static bool IsPureAnsi(const TCHAR* String);
	static bool IsNumeric(const TCHAR* String);
};

struct FChar
{
	static TCHAR ToUpper(TCHAR C) { return (C >= u'a' && C <= u'z') ? static_cast<TCHAR>(C - 32) : C; }
	static TCHAR ToLower(TCHAR C) { return (C >= u'A' && C <= u'Z') ? static_cast<TCHAR>(C + 32) : C; }
	static bool IsDigit(TCHAR C) { return C >= u'0' && C <= u'9'; }
	static bool IsWhitespace(TCHAR C) { return C == u' ' || C == u'\t' || C == u'\r' || C == u'\n' || C == u'\v' || C == u'\f'; }
	static bool IsAlpha(TCHAR C) { return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z'); }
};
