#include "Standin/Pak/PakFormat.h"

#include "Standin/Machine.h"
#include "Standin/Pak/Sha1.h"

#include <limits>

namespace Standin::Pak
{
namespace
{
template <typename T>
void AppendLittleEndian(std::string& Out, T Value)
{
	using U = std::make_unsigned_t<T>;
	U Bits = static_cast<U>(Value);
	for (size_t I = 0; I < sizeof(T); ++I)
	{
		Out += static_cast<char>(Bits & 0xFF);
		Bits = static_cast<U>(Bits >> 8);
	}
}

// Reads little-endian fields from a byte range; running past its end is an FPakError, never a read
// out of bounds.
class FByteCursor
{
public:
	FByteCursor(std::span<const uint8_t> InBytes, const char* InWhat)
		: Bytes(InBytes), What(InWhat)
	{
	}

	template <typename T>
	T Read()
	{
		Need(sizeof(T));
		std::make_unsigned_t<T> Bits = 0;
		for (size_t I = 0; I < sizeof(T); ++I)
		{
			Bits |= static_cast<std::make_unsigned_t<T>>(static_cast<std::make_unsigned_t<T>>(Bytes[Position + I]) << (8 * I));
		}
		Position += sizeof(T);
		return static_cast<T>(Bits);
	}

	std::span<const uint8_t> Take(size_t Count)
	{
		Need(Count);
		std::span<const uint8_t> Result = Bytes.subspan(Position, Count);
		Position += Count;
		return Result;
	}

	std::u16string ReadFString()
	{
		const int32_t Num = Read<int32_t>();
		if (Num == 0)
		{
			return {};
		}
		std::u16string Text;
		if (Num > 0)
		{
			std::span<const uint8_t> Chars = Take(static_cast<size_t>(Num));
			Text.assign(Chars.begin(), Chars.end());
		}
		else
		{
			if (Num == std::numeric_limits<int32_t>::min())
			{
				Fail("string length out of range");
			}
			const size_t Units = static_cast<size_t>(-static_cast<int64_t>(Num));
			Need(Units * 2);
			Text.resize(Units);
			for (char16_t& C : Text)
			{
				C = static_cast<char16_t>(Read<uint16_t>());
			}
		}
		if (Text.back() != 0)
		{
			Fail("string without its terminating NUL");
		}
		Text.pop_back();
		if (Text.find(char16_t(0)) != std::u16string::npos)
		{
			Fail("string with an embedded NUL");
		}
		return Text;
	}

	size_t Remaining() const { return Bytes.size() - Position; }

	[[noreturn]] void Fail(const std::string& Why) const
	{
		throw FPakError(std::string("corrupt ") + What + ": " + Why + " at byte " + std::to_string(Position));
	}

private:
	void Need(size_t Count) const
	{
		if (Count > Remaining())
		{
			Fail("truncated (needs " + std::to_string(Count) + " more bytes, has " + std::to_string(Remaining()) + ")");
		}
	}

	std::span<const uint8_t> Bytes;
	const char* What;
	size_t Position = 0;
};

FPakEntry ReadEntryRecord(FByteCursor& Cursor)
{
	FPakEntry Entry;
	Entry.Offset = Cursor.Read<uint64_t>();
	Entry.Size = Cursor.Read<uint64_t>();
	Entry.UncompressedSize = Cursor.Read<uint64_t>();
	Entry.CompressionMethod = Cursor.Read<int32_t>();
	std::span<const uint8_t> Hash = Cursor.Take(Entry.Hash.size());
	std::copy(Hash.begin(), Hash.end(), Entry.Hash.begin());
	// Compressed records carry a block list here; they are refused before it would matter.
	if (Entry.CompressionMethod != 0)
	{
		Cursor.Fail("compressed entries are not supported (method " + std::to_string(Entry.CompressionMethod) + ")");
	}
	Entry.Flags = Cursor.Read<uint8_t>();
	Entry.CompressionBlockSize = Cursor.Read<uint32_t>();
	if (Entry.Flags & EntryFlagEncrypted)
	{
		Cursor.Fail("encrypted entries are not supported");
	}
	if (Entry.Flags & ~EntryFlagDeleted)
	{
		Cursor.Fail("unknown entry flags " + std::to_string(Entry.Flags));
	}
	if (Entry.Size != Entry.UncompressedSize)
	{
		Cursor.Fail("an uncompressed entry whose sizes differ");
	}
	return Entry;
}
} // namespace

bool FPakEntry::SameRecordAs(const FPakEntry& Other) const
{
	return Size == Other.Size && UncompressedSize == Other.UncompressedSize &&
		   CompressionMethod == Other.CompressionMethod && Hash == Other.Hash && Flags == Other.Flags &&
		   CompressionBlockSize == Other.CompressionBlockSize;
}

void AppendFString(std::string& Out, std::u16string_view Text)
{
	if (Text.empty())
	{
		AppendLittleEndian<int32_t>(Out, 0);
		return;
	}
	bool bPureAnsi = true;
	for (char16_t C : Text)
	{
		bPureAnsi = bPureAnsi && C < 0x80;
	}
	const int32_t Num = static_cast<int32_t>(Text.size() + 1);
	AppendLittleEndian<int32_t>(Out, bPureAnsi ? Num : -Num);
	for (char16_t C : Text)
	{
		if (bPureAnsi)
		{
			Out += static_cast<char>(C);
		}
		else
		{
			AppendLittleEndian<uint16_t>(Out, C);
		}
	}
	if (bPureAnsi)
	{
		Out += '\0';
	}
	else
	{
		AppendLittleEndian<uint16_t>(Out, 0);
	}
}

void AppendEntryRecord(std::string& Out, const FPakEntry& Entry)
{
	AppendLittleEndian(Out, Entry.Offset);
	AppendLittleEndian(Out, Entry.Size);
	AppendLittleEndian(Out, Entry.UncompressedSize);
	AppendLittleEndian(Out, Entry.CompressionMethod);
	Out.append(reinterpret_cast<const char*>(Entry.Hash.data()), Entry.Hash.size());
	AppendLittleEndian(Out, Entry.Flags);
	AppendLittleEndian(Out, Entry.CompressionBlockSize);
}

std::string SerializeIndex(const FPakIndex& Index)
{
	std::string Out;
	AppendFString(Out, Index.MountPoint);
	AppendLittleEndian(Out, static_cast<int32_t>(Index.Entries.size()));
	for (const FPakIndexEntry& Item : Index.Entries)
	{
		AppendFString(Out, Item.Name);
		AppendEntryRecord(Out, Item.Entry);
	}
	return Out;
}

std::string SerializeFooter(const FPakFooter& Footer)
{
	std::string Out(16, '\0'); // encryption key GUID: none
	Out += '\0';			   // the index is not encrypted
	AppendLittleEndian(Out, PakMagic);
	AppendLittleEndian(Out, PakVersion);
	AppendLittleEndian(Out, Footer.IndexOffset);
	AppendLittleEndian(Out, Footer.IndexSize);
	Out.append(reinterpret_cast<const char*>(Footer.IndexHash.data()), Footer.IndexHash.size());
	return Out;
}

FPakEntry ParseEntryRecord(std::span<const uint8_t> Bytes)
{
	FByteCursor Cursor(Bytes, "entry record");
	FPakEntry Entry = ReadEntryRecord(Cursor);
	if (Cursor.Remaining() != 0)
	{
		Cursor.Fail("trailing bytes");
	}
	return Entry;
}

FPakFooter ParseFooter(std::span<const uint8_t> Bytes, uint64_t ArchiveSize)
{
	if (Bytes.size() != FooterSize || ArchiveSize < FooterSize)
	{
		throw FPakError("not a pak archive: too short for a footer (" + std::to_string(ArchiveSize) + " bytes)");
	}
	FByteCursor Cursor(Bytes, "footer");
	Cursor.Take(16);
	const uint8_t bEncryptedIndex = Cursor.Read<uint8_t>();
	const uint32_t Magic = Cursor.Read<uint32_t>();
	const int32_t Version = Cursor.Read<int32_t>();
	if (Magic != PakMagic)
	{
		throw FPakError("not a pak archive: no pak magic in the footer");
	}
	if (Version != PakVersion)
	{
		throw FPakError("unsupported pak version " + std::to_string(Version) + " (only version 7 is read)");
	}
	if (bEncryptedIndex != 0)
	{
		throw FPakError("encrypted indexes are not supported");
	}
	FPakFooter Footer;
	Footer.IndexOffset = Cursor.Read<uint64_t>();
	Footer.IndexSize = Cursor.Read<uint64_t>();
	std::span<const uint8_t> Hash = Cursor.Take(Footer.IndexHash.size());
	std::copy(Hash.begin(), Hash.end(), Footer.IndexHash.begin());
	const uint64_t IndexArea = ArchiveSize - FooterSize;
	if (Footer.IndexOffset > IndexArea || Footer.IndexSize != IndexArea - Footer.IndexOffset)
	{
		throw FPakError("corrupt footer: the index (offset " + std::to_string(Footer.IndexOffset) + ", size " +
						std::to_string(Footer.IndexSize) + ") does not end where the footer starts (" +
						std::to_string(IndexArea) + ")");
	}
	return Footer;
}

FPakIndex ParseIndex(std::span<const uint8_t> Bytes, uint64_t IndexOffset)
{
	FByteCursor Cursor(Bytes, "index");
	FPakIndex Index;
	Index.MountPoint = Cursor.ReadFString();
	const int32_t Count = Cursor.Read<int32_t>();
	// Each entry takes at least a 4-byte name length and a record: a count beyond that is corrupt and
	// must not size an allocation.
	if (Count < 0 || static_cast<uint64_t>(Count) > Cursor.Remaining() / (4 + EntryRecordSize))
	{
		Cursor.Fail("entry count " + std::to_string(Count) + " out of range");
	}
	Index.Entries.reserve(static_cast<size_t>(Count));
	for (int32_t I = 0; I < Count; ++I)
	{
		FPakIndexEntry Item;
		Item.Name = Cursor.ReadFString();
		Item.Entry = ReadEntryRecord(Cursor);
		const FPakEntry& Entry = Item.Entry;
		if (Entry.Offset > IndexOffset || IndexOffset - Entry.Offset < EntryRecordSize ||
			Entry.Size > IndexOffset - Entry.Offset - EntryRecordSize)
		{
			Cursor.Fail("entry \"" + Standin::Machine::ToUtf8(Item.Name) + "\" lies outside the data area");
		}
		Index.Entries.push_back(std::move(Item));
	}
	if (Cursor.Remaining() != 0)
	{
		Cursor.Fail("trailing bytes after the last entry");
	}
	return Index;
}

FPakIndex ParseArchive(std::span<const uint8_t> Archive)
{
	if (Archive.size() < FooterSize)
	{
		throw FPakError("not a pak archive: too short for a footer (" + std::to_string(Archive.size()) + " bytes)");
	}
	const FPakFooter Footer = ParseFooter(Archive.last(FooterSize), Archive.size());
	std::span<const uint8_t> IndexBytes = Archive.subspan(Footer.IndexOffset, Footer.IndexSize);
	if (FSha1::Of(IndexBytes) != Footer.IndexHash)
	{
		throw FPakError("corrupt pak index: its SHA-1 does not match the footer");
	}
	FPakIndex Index = ParseIndex(IndexBytes, Footer.IndexOffset);
	for (const FPakIndexEntry& Item : Index.Entries)
	{
		const FPakEntry Record = ParseEntryRecord(Archive.subspan(Item.Entry.Offset, EntryRecordSize));
		if (!Record.SameRecordAs(Item.Entry))
		{
			throw FPakError("serialized record of \"" + Standin::Machine::ToUtf8(Item.Name) +
							"\" disagrees with its index entry");
		}
	}
	return Index;
}

std::string ToHex(const FSha1Digest& Digest)
{
	static constexpr char Digits[] = "0123456789ABCDEF";
	std::string Out;
	for (uint8_t Byte : Digest)
	{
		Out += Digits[Byte >> 4];
		Out += Digits[Byte & 0xF];
	}
	return Out;
}
} // namespace Standin::Pak
