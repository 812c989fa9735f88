// Conversions between TCHAR text and 8-bit text, in the engine's shape: each converter is a
// TStringConversion over a conversion rule. TCHAR_TO_UTF8 gives real UTF-8; TCHAR_TO_ANSI turns every
// character above U+007F into '?', as the engine's Windows build does.
//
// As in the engine, a converter made from a null pointer gives a null Get(); one made without a
// length converts up to the terminator and terminates its buffer; one made with a length converts
// exactly that many characters into a buffer of exactly the converted length and writes NO
// terminator: Get() is valid only together with Length(). The stand-in makes a read past that end
// fail at once (see Standin/ExactBuffer.h).
#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "CoreTypes.h"
#include "Standin/ExactBuffer.h"

namespace Standin::StringConv
{
// The string type a converter fills: 8-bit results are held as char, 16-bit ones as char16_t.
template <typename CharType>
using TStorage = std::basic_string<std::conditional_t<sizeof(CharType) == 1, char, char16_t>>;
} // namespace Standin::StringConv

class FTCHARToUTF8_Convert
{
public:
	using FromType = TCHAR;
	using ToType = ANSICHAR;
	static Standin::StringConv::TStorage<ToType> Convert(const FromType* Source, int32 SourceLen);
};

class FUTF8ToTCHAR_Convert
{
public:
	using FromType = ANSICHAR;
	using ToType = TCHAR;
	static Standin::StringConv::TStorage<ToType> Convert(const FromType* Source, int32 SourceLen);
};

// The engine's generic conversion between two character types. Only the pairs the stand-in needs exist.
template <typename From, typename To>
class TStringConvert;

// TCHAR to ANSI: characters above U+007F become '?'.
template <>
class TStringConvert<TCHAR, ANSICHAR>
{
public:
	using FromType = TCHAR;
	using ToType = ANSICHAR;
	static Standin::StringConv::TStorage<ToType> Convert(const FromType* Source, int32 SourceLen);
};

template <>
class TStringConvert<ANSICHAR, TCHAR>
{
public:
	using FromType = ANSICHAR;
	using ToType = TCHAR;
	static Standin::StringConv::TStorage<ToType> Convert(const FromType* Source, int32 SourceLen);
};

// TCHAR to UTF8CHAR: UTF-8.
template <>
class TStringConvert<TCHAR, UTF8CHAR>
{
public:
	using FromType = TCHAR;
	using ToType = UTF8CHAR;
	static Standin::StringConv::TStorage<ToType> Convert(const FromType* Source, int32 SourceLen);
};

template <typename Converter>
class TStringConversion
{
public:
	using FromType = typename Converter::FromType;
	using ToType = typename Converter::ToType;

	// Converts up to the terminator; the result is terminated.
	explicit TStringConversion(const FromType* Source)
	{
		if (Source != nullptr)
		{
			int32 SourceLen = 0;
			while (Source[SourceLen] != 0)
			{
				++SourceLen;
			}
			Terminated = Converter::Convert(Source, SourceLen);
			Ptr = reinterpret_cast<const ToType*>(Terminated.c_str());
			StringLength = static_cast<int32>(Terminated.size());
		}
	}

	// Converts exactly SourceLen characters (none when it is negative, as the engine's loops do);
	// the result is NOT terminated.
	TStringConversion(const FromType* Source, int32 SourceLen)
	{
		if (Source != nullptr)
		{
			const auto Converted = Converter::Convert(Source, SourceLen < 0 ? 0 : SourceLen);
			Exact = Standin::FExactBuffer(Converted.data(), Converted.size() * sizeof(ToType));
			Ptr = static_cast<const ToType*>(Exact.Get());
			StringLength = static_cast<int32>(Converted.size());
		}
	}

	TStringConversion(const TStringConversion&) = delete;
	TStringConversion& operator=(const TStringConversion&) = delete;
	TStringConversion(TStringConversion&& Other)
		: Terminated(std::move(Other.Terminated)), Exact(std::move(Other.Exact)), StringLength(Other.StringLength)
	{
		// A short terminated result lives inside the string object itself, so it moved.
		if (Other.Ptr == Exact.Get())
		{
			Ptr = static_cast<const ToType*>(Exact.Get());
		}
		else if (Other.Ptr != nullptr)
		{
			Ptr = reinterpret_cast<const ToType*>(Terminated.c_str());
		}
		Other.Ptr = nullptr;
		Other.StringLength = 0;
	}

	const ToType* Get() const { return Ptr; }
	// The converted length in ToType characters, without a terminator.
	int32 Length() const { return StringLength; }

private:
	Standin::StringConv::TStorage<ToType> Terminated;
	Standin::FExactBuffer Exact;
	const ToType* Ptr = nullptr;
	int32 StringLength = 0;
};

using FTCHARToUTF8 = TStringConversion<FTCHARToUTF8_Convert>;
using FUTF8ToTCHAR = TStringConversion<FUTF8ToTCHAR_Convert>;
using FTCHARToANSI = TStringConversion<TStringConvert<TCHAR, ANSICHAR>>;
using FANSIToTCHAR = TStringConversion<TStringConvert<ANSICHAR, TCHAR>>;

template <typename To, typename From>
TStringConversion<TStringConvert<From, To>> StringCast(const From* Str)
{
	return TStringConversion<TStringConvert<From, To>>(Str);
}

// Exactly Len characters; the result is NOT terminated (use Get() with Length()).
template <typename To, typename From>
TStringConversion<TStringConvert<From, To>> StringCast(const From* Str, int32 Len)
{
	return TStringConversion<TStringConvert<From, To>>(Str, Len);
}

#define TCHAR_TO_UTF8(Str) ((ANSICHAR*)FTCHARToUTF8((const TCHAR*)(Str)).Get())
#define UTF8_TO_TCHAR(Str) ((TCHAR*)FUTF8ToTCHAR((const ANSICHAR*)(Str)).Get())
#define TCHAR_TO_ANSI(Str) ((ANSICHAR*)FTCHARToANSI((const TCHAR*)(Str)).Get())
#define ANSI_TO_TCHAR(Str) ((TCHAR*)FANSIToTCHAR((const ANSICHAR*)(Str)).Get())
