// The version-7 pak archive of UE 4.21 (uncompressed, unencrypted), as bytes: the entry record, the
// index and the footer, written and parsed as plain functions over byte buffers so that the writer,
// the reader and fuzzers share one definition of the format.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace Standin::Pak
{
// Every malformed, truncated or unsupported archive, and every failed file operation, surfaces as
// this one error type with a message fit for the log.
class FPakError : public std::runtime_error
{
public:
	using std::runtime_error::runtime_error;
};

using FSha1Digest = std::array<uint8_t, 20>;

inline constexpr uint32_t PakMagic = 0x5A6F12E1;
inline constexpr int32_t PakVersion = 7;
inline constexpr uint64_t EntryRecordSize = 53;
inline constexpr uint64_t FooterSize = 61;
inline constexpr uint8_t EntryFlagEncrypted = 0x01;
inline constexpr uint8_t EntryFlagDeleted = 0x02;

// One entry record. Offset is 0 in the record written before the data, and the record's own file
// position in the index.
struct FPakEntry
{
	uint64_t Offset = 0;
	uint64_t Size = 0;
	uint64_t UncompressedSize = 0;
	int32_t CompressionMethod = 0;
	FSha1Digest Hash{};
	uint8_t Flags = 0;
	uint32_t CompressionBlockSize = 0;

	// Every field but Offset agrees (what a reader checks between the record and its index entry).
	bool SameRecordAs(const FPakEntry& Other) const;
	uint64_t DataOffset() const { return Offset + EntryRecordSize; }
};

struct FPakIndexEntry
{
	std::u16string Name; // relative to the mount point
	FPakEntry Entry;
};

struct FPakIndex
{
	std::u16string MountPoint;
	std::vector<FPakIndexEntry> Entries;
};

struct FPakFooter
{
	uint64_t IndexOffset = 0;
	uint64_t IndexSize = 0;
	FSha1Digest IndexHash{};
};

// Writers: append to a byte buffer.
void AppendFString(std::string& Out, std::u16string_view Text);
void AppendEntryRecord(std::string& Out, const FPakEntry& Entry);
std::string SerializeIndex(const FPakIndex& Index);
std::string SerializeFooter(const FPakFooter& Footer);

// Parsers: validate everything and throw FPakError on any inconsistency.
FPakEntry ParseEntryRecord(std::span<const uint8_t> Bytes);
// Bytes are exactly the last FooterSize bytes of an archive of ArchiveSize bytes.
FPakFooter ParseFooter(std::span<const uint8_t> Bytes, uint64_t ArchiveSize);
// Bytes are the index; every entry's record and data must lie before IndexOffset.
FPakIndex ParseIndex(std::span<const uint8_t> Bytes, uint64_t IndexOffset);
// A whole archive held in memory: footer, index hash, index, and every record against its entry.
FPakIndex ParseArchive(std::span<const uint8_t> Archive);

// Upper-case hexadecimal, as the engine's BytesToHex prints a hash.
std::string ToHex(const FSha1Digest& Digest);
} // namespace Standin::Pak
