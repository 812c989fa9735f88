#include "Standin/Machine.h"

#include <algorithm>

namespace Standin::Machine
{
namespace
{
constexpr char32_t Replacement = 0xFFFD;

void AppendCodePoint(std::string& Out, char32_t C)
{
	if (C < 0x80)
	{
		Out += static_cast<char>(C);
	}
	else if (C < 0x800)
	{
		Out += static_cast<char>(0xC0 | (C >> 6));
		Out += static_cast<char>(0x80 | (C & 0x3F));
	}
	else if (C < 0x10000)
	{
		Out += static_cast<char>(0xE0 | (C >> 12));
		Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
		Out += static_cast<char>(0x80 | (C & 0x3F));
	}
	else
	{
		Out += static_cast<char>(0xF0 | (C >> 18));
		Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
		Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
		Out += static_cast<char>(0x80 | (C & 0x3F));
	}
}

void AppendUtf16(std::u16string& Out, char32_t C)
{
	if (C < 0x10000)
	{
		Out += static_cast<char16_t>(C);
	}
	else
	{
		C -= 0x10000;
		Out += static_cast<char16_t>(0xD800 + (C >> 10));
		Out += static_cast<char16_t>(0xDC00 + (C & 0x3FF));
	}
}
} // namespace

void AppendUtf8(std::string& Out, std::u16string_view Text)
{
	Out.reserve(Out.size() + Text.size());
	for (size_t I = 0; I < Text.size(); ++I)
	{
		// Most text is ASCII: narrow a whole run at once.
		size_t AsciiEnd = I;
		while (AsciiEnd < Text.size() && Text[AsciiEnd] < 0x80)
		{
			++AsciiEnd;
		}
		if (AsciiEnd > I)
		{
			const size_t Start = Out.size();
			Out.resize(Start + (AsciiEnd - I));
			std::copy(Text.begin() + I, Text.begin() + AsciiEnd, Out.begin() + Start);
			I = AsciiEnd - 1;
			continue;
		}
		char32_t C = Text[I];
		if (C >= 0xD800 && C <= 0xDBFF && I + 1 < Text.size() && Text[I + 1] >= 0xDC00 && Text[I + 1] <= 0xDFFF)
		{
			C = 0x10000 + ((C - 0xD800) << 10) + (Text[I + 1] - 0xDC00);
			++I;
		}
		else if (C >= 0xD800 && C <= 0xDFFF)
		{
			C = Replacement;
		}
		AppendCodePoint(Out, C);
	}
}

std::string ToUtf8(std::u16string_view Text)
{
	std::string Out;
	AppendUtf8(Out, Text);
	return Out;
}

std::u16string ToUtf16(std::string_view Utf8)
{
	std::u16string Out;
	Out.reserve(Utf8.size());
	size_t I = 0;
	while (I < Utf8.size())
	{
		// Most text is ASCII: widen a whole run at once.
		size_t AsciiEnd = I;
		while (AsciiEnd < Utf8.size() && static_cast<unsigned char>(Utf8[AsciiEnd]) < 0x80)
		{
			++AsciiEnd;
		}
		if (AsciiEnd > I)
		{
			const size_t Start = Out.size();
			Out.resize(Start + (AsciiEnd - I));
			std::copy(Utf8.begin() + I, Utf8.begin() + AsciiEnd, Out.begin() + Start);
			I = AsciiEnd;
			continue;
		}
		const unsigned char Lead = static_cast<unsigned char>(Utf8[I]);
		int Extra = Lead < 0x80 ? 0 : (Lead >> 5) == 0x6 ? 1 : (Lead >> 4) == 0xE ? 2 : (Lead >> 3) == 0x1E ? 3 : -1;
		if (Extra < 0 || I + Extra >= Utf8.size())
		{
			AppendUtf16(Out, Replacement);
			++I;
			continue;
		}
		char32_t C = Extra == 0 ? Lead : Extra == 1 ? (Lead & 0x1F) : Extra == 2 ? (Lead & 0x0F) : (Lead & 0x07);
		bool bValid = true;
		for (int K = 1; K <= Extra; ++K)
		{
			const unsigned char Next = static_cast<unsigned char>(Utf8[I + K]);
			if ((Next & 0xC0) != 0x80)
			{
				bValid = false;
				break;
			}
			C = (C << 6) | (Next & 0x3F);
		}
		const bool bOverlong = (Extra == 1 && C < 0x80) || (Extra == 2 && C < 0x800) || (Extra == 3 && C < 0x10000);
		if (!bValid || bOverlong || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF))
		{
			AppendUtf16(Out, Replacement);
			++I;
			continue;
		}
		AppendUtf16(Out, C);
		I += Extra + 1;
	}
	return Out;
}
} // namespace Standin::Machine
