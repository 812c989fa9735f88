#include "Containers/StringConv.h"

#include "Containers/UnrealString.h"
#include "Misc/CString.h"
#include "Standin/Machine.h"
#include "Standin/StringUtf8.h"

using Standin::StringConv::TStorage;

TStorage<ANSICHAR> FTCHARToUTF8_Convert::Convert(const TCHAR* Source, int32 SourceLen)
{
	return Standin::Machine::ToUtf8(std::u16string_view(Source, SourceLen));
}

namespace
{
// The engine's replacement for whatever is not valid UTF-8.
constexpr char32_t BogusCodepoint = u'?';

bool IsContinuation(unsigned char Octet)
{
	return (Octet & 0xC0) == 0x80;
}

// One code point from the front of Source, read as the engine's decoder reads it: a byte that cannot
// start a sequence is one '?'; a sequence cut off by the end of the text is one '?' for all its
// bytes; a bad continuation byte, an overlong form, a surrogate or U+FFFE/U+FFFF gives '?' for the
// first byte only (the rest then follow as stray bytes); a five- or six-byte form is one '?'.
char32_t NextCodepoint(std::string_view& Source)
{
	const auto Octet = static_cast<unsigned char>(Source[0]);
	if (Octet < 0xC0)
	{
		Source.remove_prefix(1);
		return Octet < 0x80 ? Octet : BogusCodepoint;
	}
	const size_t Length = Octet < 0xE0 ? 2 : Octet < 0xF0 ? 3 : Octet < 0xF8 ? 4 : Octet < 0xFC ? 5 : 6;
	if (Source.size() < Length)
	{
		Source.remove_prefix(Source.size());
		return BogusCodepoint;
	}
	char32_t Codepoint = Octet & (0x7F >> Length);
	for (size_t Index = 1; Index < Length; ++Index)
	{
		const auto Next = static_cast<unsigned char>(Source[Index]);
		if (!IsContinuation(Next))
		{
			Source.remove_prefix(1);
			return BogusCodepoint;
		}
		Codepoint = (Codepoint << 6) | (Next & 0x3F);
	}
	const bool bValid = (Length == 2 && Codepoint >= 0x80) ||
						(Length == 3 && Codepoint >= 0x800 && Codepoint <= 0xFFFD && (Codepoint < 0xD800 || Codepoint > 0xDFFF)) ||
						(Length == 4 && Codepoint >= 0x10000 && Codepoint <= 0x10FFFF);
	Source.remove_prefix(bValid || Length > 4 ? Length : 1);
	return bValid ? Codepoint : BogusCodepoint;
}
} // namespace

TStorage<TCHAR> FUTF8ToTCHAR_Convert::Convert(const ANSICHAR* Source, int32 SourceLen)
{
	TStorage<TCHAR> Converted;
	Converted.reserve(SourceLen);
	for (std::string_view Rest(Source, SourceLen); !Rest.empty();)
	{
		// Runs of ASCII, most of every text, are widened at once.
		size_t Ascii = 0;
		while (Ascii < Rest.size() && static_cast<unsigned char>(Rest[Ascii]) < 0x80)
		{
			++Ascii;
		}
		if (Ascii > 0)
		{
			const size_t Start = Converted.size();
			Converted.resize(Start + Ascii);
			std::copy(Rest.begin(), Rest.begin() + static_cast<std::ptrdiff_t>(Ascii), Converted.begin() + static_cast<std::ptrdiff_t>(Start));
			Rest.remove_prefix(Ascii);
			continue;
		}
		const char32_t Codepoint = NextCodepoint(Rest);
		if (Codepoint > 0xFFFF)
		{
			Converted += static_cast<char16_t>(0xD800 + ((Codepoint - 0x10000) >> 10));
			Converted += static_cast<char16_t>(0xDC00 + ((Codepoint - 0x10000) & 0x3FF));
		}
		else
		{
			Converted += static_cast<char16_t>(Codepoint);
		}
	}
	return Converted;
}

TStorage<ANSICHAR> TStringConvert<TCHAR, ANSICHAR>::Convert(const TCHAR* Source, int32 SourceLen)
{
	TStorage<ANSICHAR> Converted;
	Converted.reserve(SourceLen);
	for (const TCHAR C : std::u16string_view(Source, SourceLen))
	{
		Converted += C < 0x80 ? static_cast<char>(C) : '?';
	}
	return Converted;
}

TStorage<TCHAR> TStringConvert<ANSICHAR, TCHAR>::Convert(const ANSICHAR* Source, int32 SourceLen)
{
	TStorage<TCHAR> Converted;
	Converted.reserve(SourceLen);
	for (const ANSICHAR C : std::string_view(Source, SourceLen))
	{
		Converted += static_cast<TCHAR>(static_cast<unsigned char>(C));
	}
	return Converted;
}

TStorage<UTF8CHAR> TStringConvert<TCHAR, UTF8CHAR>::Convert(const TCHAR* Source, int32 SourceLen)
{
	return Standin::Machine::ToUtf8(std::u16string_view(Source, SourceLen));
}

namespace Standin
{
std::string ToUtf8(const FString& String)
{
	return Machine::ToUtf8(std::u16string_view(*String, String.Len()));
}

FString FromUtf8(std::string_view Utf8)
{
	return FString(Machine::ToUtf16(Utf8));
}

std::filesystem::path ToHostPath(const FString& EnginePath)
{
	return Machine::ToHostPath(std::u16string_view(*EnginePath, EnginePath.Len()));
}
} // namespace Standin
