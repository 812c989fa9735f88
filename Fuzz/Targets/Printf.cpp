// The printf formatter behind FString::Printf and UE_LOG. The input holds the arguments first (one
// kind byte and eight value bytes each, until a kind byte of 0xFF) and then the format, one
// character a byte; 0xFE followed by two bytes is one UTF-16 unit (to reach surrogates and beyond).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Standin/Printf.h"

namespace
{
using Standin::Format::FArg;

const TCHAR* const Strings[] = {u"text", u"", u"\u00e9t\u00e9 \U0001F600", u"%s%d", nullptr};

class FInput
{
public:
	FInput(const uint8_t* InData, size_t InSize)
		: Data(InData), Size(InSize)
	{
	}
	bool Empty() const { return Position >= Size; }
	uint8_t Byte() { return Empty() ? 0 : Data[Position++]; }
	uint64_t Value()
	{
		uint64_t Result = 0;
		for (int I = 0; I < 8; ++I)
		{
			Result = (Result << 8) | Byte();
		}
		return Result;
	}

private:
	const uint8_t* Data;
	size_t Size;
	size_t Position = 0;
};

FArg ReadArg(uint8_t Kind, FInput& Input)
{
	const uint64_t Bits = Input.Value();
	switch (Kind % 5)
	{
	case 0:
		return Standin::Format::MakeFormatArg(static_cast<int64>(Bits));
	case 1:
		return Standin::Format::MakeFormatArg(Bits);
	case 2:
	{
		double Number;
		static_assert(sizeof(Number) == sizeof(Bits));
		__builtin_memcpy(&Number, &Bits, sizeof(Number));
		return Standin::Format::MakeFormatArg(Number);
	}
	case 3:
		return Standin::Format::MakeFormatArg(Strings[Bits % (sizeof(Strings) / sizeof(Strings[0]))]);
	default:
		return Standin::Format::MakeFormatArg(reinterpret_cast<const void*>(static_cast<uintptr_t>(Bits)));
	}
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	FInput Input(Data, Size);
	std::vector<FArg> Args;
	for (uint8_t Kind = Input.Byte(); Kind != 0xFF && !Input.Empty() && Args.size() < 16; Kind = Input.Byte())
	{
		Args.push_back(ReadArg(Kind, Input));
	}
	std::u16string Format;
	while (!Input.Empty())
	{
		const uint8_t Byte = Input.Byte();
		if (Byte == 0xFE)
		{
			const uint8_t High = Input.Byte();
			Format += static_cast<char16_t>((High << 8) | Input.Byte());
		}
		else
		{
			Format += static_cast<char16_t>(Byte);
		}
	}
	Standin::Format::FormatString(Format.c_str(), Args.data(), Args.size());
	return 0;
}
