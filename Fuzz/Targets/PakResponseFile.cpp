// The response-file reader of the stand-in UnrealPak: any bytes give a list of pairs, each with a
// source and a destination, and '\\' never survives in a source.
#include <cstddef>
#include <cstdint>
#include <span>

#include "Standin/Pak/ResponseFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	for (const Standin::Pak::FPakInputPair& Pair : Standin::Pak::ParseResponseFile(std::span<const uint8_t>(Data, Size)))
	{
		if (Pair.Source.empty() || Pair.Source.find(u'\\') != std::u16string::npos)
		{
			__builtin_trap();
		}
	}
	return 0;
}
