// Conversions between TCHAR text and 8-bit text. TCHAR_TO_UTF8 gives real UTF-8; TCHAR_TO_ANSI turns
// every character above U+007F into '?', as the engine's Windows build does.
#pragma once

#include <string>

#include "CoreTypes.h"

class FTCHARToUTF8
{
public:
	explicit FTCHARToUTF8(const TCHAR* Source);
	FTCHARToUTF8(const TCHAR* Source, int32 SourceLength);
	const ANSICHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return static_cast<int32>(Converted.size()); }

private:
	std::string Converted;
};

class FUTF8ToTCHAR
{
public:
	explicit FUTF8ToTCHAR(const ANSICHAR* Source);
	FUTF8ToTCHAR(const ANSICHAR* Source, int32 SourceLength);
	const TCHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return static_cast<int32>(Converted.size()); }

private:
	std::u16string Converted;
};

class FTCHARToANSI
{
public:
	explicit FTCHARToANSI(const TCHAR* Source);
	const ANSICHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return static_cast<int32>(Converted.size()); }

private:
	std::string Converted;
};

class FANSIToTCHAR
{
public:
	explicit FANSIToTCHAR(const ANSICHAR* Source);
	const TCHAR* Get() const { return Converted.c_str(); }
	int32 Length() const { return static_cast<int32>(Converted.size()); }

private:
	std::u16string Converted;
};

#define TCHAR_TO_UTF8(Str) ((ANSICHAR*)FTCHARToUTF8((const TCHAR*)(Str)).Get())
#define UTF8_TO_TCHAR(Str) ((TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(Str)).Get())
#define TCHAR_TO_ANSI(Str) ((ANSICHAR*)FTCHARToANSI((const TCHAR*)(Str)).Get())
#define ANSI_TO_TCHAR(Str) ((TCHAR*)FANSIToTCHAR((const ANSICHAR*)(Str)).Get())
