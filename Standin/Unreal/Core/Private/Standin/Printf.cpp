#include "Standin/Printf.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <string>
#include <unordered_set>

#include "Standin/Machine.h"

namespace Standin::Format
{
namespace
{
struct FSpec
{
	std::string Flags;
	int Width = -1;
	int Precision = -1;
	enum class ELength
	{
		Default,
		Char,
		Short,
		Long64,
		Size
	} Length = ELength::Default;
	char Conversion = 0;
};

void ReportOnce(const std::u16string& Fmt, const char* Problem)
{
	static std::mutex Mutex;
	static std::unordered_set<std::u16string> Reported;
	std::lock_guard Lock(Mutex);
	if (Reported.insert(Fmt).second)
	{
		std::fprintf(stderr, "Standin: Warning: printf format \"%s\": %s\n", Machine::ToUtf8(Fmt).c_str(), Problem);
	}
}

class FFormatter
{
public:
	FFormatter(const TCHAR* InFmt, const FArg* InArgs, std::size_t InNumArgs)
		: Fmt(InFmt ? InFmt : u""), Args(InArgs), NumArgs(InNumArgs)
	{
	}

	std::u16string Run()
	{
		std::size_t I = 0;
		while (I < Fmt.size())
		{
			if (Fmt[I] != u'%')
			{
				Out += Fmt[I++];
				continue;
			}
			const std::size_t SpecStart = I++;
			if (I < Fmt.size() && Fmt[I] == u'%')
			{
				Out += u'%';
				++I;
				continue;
			}
			FSpec Spec;
			if (!ParseSpec(I, Spec))
			{
				// An incomplete or unknown conversion is copied as it stands.
				ReportOnce(Fmt, "unknown conversion");
				Out.append(Fmt, SpecStart, I - SpecStart);
				continue;
			}
			Emit(Spec);
		}
		if (NextArg < NumArgs)
		{
			ReportOnce(Fmt, "more arguments than conversions");
		}
		return Out;
	}

private:
	bool ParseSpec(std::size_t& I, FSpec& Spec)
	{
		while (I < Fmt.size() && (Fmt[I] == u'-' || Fmt[I] == u'+' || Fmt[I] == u' ' || Fmt[I] == u'0' || Fmt[I] == u'#'))
		{
			Spec.Flags += static_cast<char>(Fmt[I++]);
		}
		const bool bStarWidth = I < Fmt.size() && Fmt[I] == u'*';
		Spec.Width = ParseNumber(I);
		if (bStarWidth && Spec.Width < 0)
		{
			// As in C: a negative '*' width is the '-' flag with the width's magnitude.
			Spec.Flags += '-';
			Spec.Width = -Spec.Width;
		}
		if (I < Fmt.size() && Fmt[I] == u'.')
		{
			++I;
			const bool bStarPrecision = I < Fmt.size() && Fmt[I] == u'*';
			Spec.Precision = ParseNumber(I);
			if (Spec.Precision < 0)
			{
				// "%.f" means a precision of 0; a negative '*' precision means none at all.
				Spec.Precision = bStarPrecision ? -1 : 0;
			}
		}
		if (I + 1 < Fmt.size() && Fmt[I] == u'h' && Fmt[I + 1] == u'h')
		{
			Spec.Length = FSpec::ELength::Char;
			I += 2;
		}
		else if (I < Fmt.size() && Fmt[I] == u'h')
		{
			Spec.Length = FSpec::ELength::Short;
			++I;
		}
		else if (I + 1 < Fmt.size() && Fmt[I] == u'l' && Fmt[I + 1] == u'l')
		{
			Spec.Length = FSpec::ELength::Long64;
			I += 2;
		}
		else if (I < Fmt.size() && Fmt[I] == u'l')
		{
			++I; // 32 bits on Win64, like no modifier at all
		}
		else if (I + 2 < Fmt.size() && Fmt[I] == u'I' && Fmt[I + 1] == u'6' && Fmt[I + 2] == u'4')
		{
			Spec.Length = FSpec::ELength::Long64;
			I += 3;
		}
		else if (I < Fmt.size() && (Fmt[I] == u'z' || Fmt[I] == u'j' || Fmt[I] == u't'))
		{
			Spec.Length = FSpec::ELength::Size;
			++I;
		}
		if (I >= Fmt.size())
		{
			return false;
		}
		const char16_t C = Fmt[I];
		if (std::u16string_view(u"diuxXocsSfFeEgGp").find(C) == std::u16string_view::npos)
		{
			return false;
		}
		Spec.Conversion = static_cast<char>(C);
		++I;
		return true;
	}

	int ParseNumber(std::size_t& I)
	{
		if (I < Fmt.size() && Fmt[I] == u'*')
		{
			++I;
			const FArg* Arg = TakeArg();
			if (!Arg)
			{
				return -1;
			}
			constexpr int64 Limit = 100000;
			const int64 Value = Arg->Kind == FArg::EKind::Unsigned ? static_cast<int64>(std::min<uint64>(Arg->Unsigned, Limit)) : Arg->Signed;
			return static_cast<int>(std::clamp<int64>(Value, -Limit, Limit));
		}
		int Value = -1;
		while (I < Fmt.size() && Fmt[I] >= u'0' && Fmt[I] <= u'9')
		{
			Value = (Value < 0 ? 0 : Value * 10) + (Fmt[I++] - u'0');
			if (Value > 100000)
			{
				Value = 100000;
			}
		}
		return Value;
	}

	const FArg* TakeArg()
	{
		if (NextArg >= NumArgs)
		{
			ReportOnce(Fmt, "fewer arguments than conversions");
			return nullptr;
		}
		return &Args[NextArg++];
	}

	std::string NarrowSpec(const FSpec& Spec, const char* LengthAndConversion) const
	{
		std::string Result = "%" + Spec.Flags;
		if (Spec.Width >= 0)
		{
			Result += std::to_string(Spec.Width);
		}
		if (Spec.Precision >= 0)
		{
			Result += "." + std::to_string(Spec.Precision);
		}
		return Result + LengthAndConversion;
	}

	template <typename T>
	void EmitNumber(const std::string& NarrowFormat, T Value)
	{
		const int Size = std::snprintf(nullptr, 0, NarrowFormat.c_str(), Value);
		std::string Buffer(Size > 0 ? Size : 0, '\0');
		std::snprintf(Buffer.data(), Buffer.size() + 1, NarrowFormat.c_str(), Value);
		for (char C : Buffer)
		{
			Out += static_cast<char16_t>(static_cast<unsigned char>(C));
		}
	}

	static uint64 RawBits(const FArg& Arg)
	{
		return Arg.Kind == FArg::EKind::Unsigned ? Arg.Unsigned : static_cast<uint64>(Arg.Signed);
	}

	void Emit(const FSpec& Spec)
	{
		const FArg* Arg = TakeArg();
		if (!Arg)
		{
			return;
		}
		switch (Spec.Conversion)
		{
		case 'd':
		case 'i':
			EmitSigned(Spec, *Arg);
			break;
		case 'u':
		case 'x':
		case 'X':
		case 'o':
			EmitUnsigned(Spec, *Arg);
			break;
		case 'c':
			EmitPadded(Spec, std::u16string(1, static_cast<char16_t>(RawBits(*Arg))));
			break;
		case 's':
		case 'S':
			if (Arg->Kind != FArg::EKind::WideString)
			{
				ReportOnce(Fmt, "%s needs a TCHAR* argument");
				return;
			}
			EmitString(Spec, Arg->String);
			break;
		case 'p':
			EmitNumber("%016llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(Arg->Pointer)));
			break;
		default:
			if (Arg->Kind != FArg::EKind::Double)
			{
				ReportOnce(Fmt, "a floating-point conversion needs a floating-point argument");
			}
			EmitNumber(NarrowSpec(Spec, std::string(1, Spec.Conversion).c_str()),
					   Arg->Kind == FArg::EKind::Double ? Arg->Double : static_cast<double>(Arg->Signed));
			break;
		}
	}

	void EmitSigned(const FSpec& Spec, const FArg& Arg)
	{
		if (Arg.Kind == FArg::EKind::Double || Arg.Kind == FArg::EKind::WideString)
		{
			ReportOnce(Fmt, "an integer conversion needs an integer argument");
		}
		const uint64 Bits = RawBits(Arg);
		long long Value;
		switch (Spec.Length)
		{
		case FSpec::ELength::Long64:
		case FSpec::ELength::Size:
			Value = static_cast<long long>(Bits);
			break;
		case FSpec::ELength::Short:
			Value = static_cast<int16>(Bits);
			break;
		case FSpec::ELength::Char:
			Value = static_cast<int8>(Bits);
			break;
		default:
			Value = static_cast<int32>(Bits);
			break;
		}
		EmitNumber(NarrowSpec(Spec, "lld"), Value);
	}

	void EmitUnsigned(const FSpec& Spec, const FArg& Arg)
	{
		if (Arg.Kind == FArg::EKind::Double || Arg.Kind == FArg::EKind::WideString)
		{
			ReportOnce(Fmt, "an integer conversion needs an integer argument");
		}
		const uint64 Bits = RawBits(Arg);
		unsigned long long Value;
		switch (Spec.Length)
		{
		case FSpec::ELength::Long64:
		case FSpec::ELength::Size:
			Value = Bits;
			break;
		case FSpec::ELength::Short:
			Value = static_cast<uint16>(Bits);
			break;
		case FSpec::ELength::Char:
			Value = static_cast<uint8>(Bits);
			break;
		default:
			Value = static_cast<uint32>(Bits);
			break;
		}
		const char Conversion[] = {'l', 'l', Spec.Conversion, '\0'};
		EmitNumber(NarrowSpec(Spec, Conversion), Value);
	}

	void EmitString(const FSpec& Spec, const TCHAR* String)
	{
		std::u16string Text = String ? String : u"(null)";
		if (Spec.Precision >= 0 && Text.size() > static_cast<std::size_t>(Spec.Precision))
		{
			Text.resize(Spec.Precision);
		}
		EmitPadded(Spec, Text);
	}

	void EmitPadded(const FSpec& Spec, const std::u16string& Text)
	{
		const std::size_t Width = Spec.Width > 0 ? static_cast<std::size_t>(Spec.Width) : 0;
		const std::size_t Padding = Width > Text.size() ? Width - Text.size() : 0;
		const bool bLeft = Spec.Flags.find('-') != std::string::npos;
		if (!bLeft)
		{
			Out.append(Padding, u' ');
		}
		Out += Text;
		if (bLeft)
		{
			Out.append(Padding, u' ');
		}
	}

	std::u16string Fmt;
	const FArg* Args;
	std::size_t NumArgs;
	std::size_t NextArg = 0;
	std::u16string Out;
};
} // namespace

std::u16string FormatString(const TCHAR* Fmt, const FArg* Args, std::size_t NumArgs)
{
	return FFormatter(Fmt, Args, NumArgs).Run();
}
} // namespace Standin::Format
