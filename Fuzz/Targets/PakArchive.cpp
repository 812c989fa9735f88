// The pak reader of the stand-in UnrealPak: any bytes are either a valid index or an FPakError, never
// a crash, a read out of bounds or another exception. The index hash in the footer is recomputed on a
// second copy, so mutations get past the SHA-1 check and reach the index parser.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <span>
#include <vector>

#include "Standin/Machine.h"
#include "Standin/Pak/PakFormat.h"
#include "Standin/Pak/PakReader.h"
#include "Standin/Pak/Sha1.h"

namespace
{
using namespace Standin::Pak;

constexpr size_t IndexOffsetField = 25; // GUID 16, encrypted flag 1, magic 4, version 4
constexpr size_t IndexHashField = 41;

uint64_t ReadLittleEndian64(const uint8_t* Bytes)
{
	uint64_t Value = 0;
	for (int I = 7; I >= 0; --I)
	{
		Value = (Value << 8) | Bytes[I];
	}
	return Value;
}

void CheckArchive(std::span<const uint8_t> Archive)
{
	try
	{
		const FPakIndex Index = ParseArchive(Archive);
		for (const FPakIndexEntry& Item : Index.Entries)
		{
			// Every accepted entry lies inside the archive, before the index.
			if (Item.Entry.DataOffset() + Item.Entry.Size > Archive.size())
			{
				__builtin_trap();
			}
			// What extraction would accept stays below its folder once the path is normalised.
			const std::u16string Relative = ExtractionFolderOf(Index.MountPoint) + Item.Name;
			if (IsContainedRelativePath(Relative))
			{
				// Converted as the tool converts it (a lone surrogate becomes U+FFFD).
				const std::filesystem::path Normal = std::filesystem::path(Standin::Machine::ToUtf8(Relative)).lexically_normal();
				if (Normal.empty() || Normal.is_absolute() || *Normal.begin() == "..")
				{
					__builtin_trap();
				}
			}
		}
	}
	catch (const FPakError&)
	{
	}
}

void WithRecomputedIndexHash(std::span<const uint8_t> Archive)
{
	if (Archive.size() < FooterSize)
	{
		return;
	}
	std::vector<uint8_t> Copy(Archive.begin(), Archive.end());
	uint8_t* Footer = Copy.data() + Copy.size() - FooterSize;
	const uint64_t IndexOffset = ReadLittleEndian64(Footer + IndexOffsetField);
	const uint64_t IndexArea = Copy.size() - FooterSize;
	if (IndexOffset > IndexArea)
	{
		return;
	}
	const FSha1Digest Hash = FSha1::Of(std::span<const uint8_t>(Copy.data() + IndexOffset, IndexArea - IndexOffset));
	std::memcpy(Footer + IndexHashField, Hash.data(), Hash.size());
	CheckArchive(Copy);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	const std::span<const uint8_t> Archive(Data, Size);
	CheckArchive(Archive);
	WithRecomputedIndexHash(Archive);
	try
	{
		ParseEntryRecord(Archive.first(std::min<size_t>(Size, EntryRecordSize)));
	}
	catch (const FPakError&)
	{
	}
	return 0;
}
