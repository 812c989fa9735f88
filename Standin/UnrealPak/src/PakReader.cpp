#include "Standin/Pak/PakReader.h"

#include "PosixFile.h"
#include "Standin/Machine.h"
#include "Standin/Pak/PakWriter.h"
#include "Standin/Pak/Sha1.h"

#include <vector>

namespace Standin::Pak
{
FPakReader::FPakReader(const std::filesystem::path& HostPath)
	: File(std::make_unique<FPosixFile>(FPosixFile::OpenRead(HostPath)))
{
	Size = File->Size();
	if (Size < FooterSize)
	{
		throw FPakError("not a pak archive: too short for a footer (" + std::to_string(Size) + " bytes)");
	}
	std::vector<uint8_t> FooterBytes(FooterSize);
	File->ReadExactAt(FooterBytes.data(), FooterBytes.size(), Size - FooterSize);
	const FPakFooter Footer = ParseFooter(FooterBytes, Size);
	if (Footer.IndexSize > MaxIndexSize)
	{
		throw FPakError("corrupt footer: an index of " + std::to_string(Footer.IndexSize) + " bytes");
	}
	std::vector<uint8_t> IndexBytes(static_cast<size_t>(Footer.IndexSize));
	File->ReadExactAt(IndexBytes.data(), IndexBytes.size(), Footer.IndexOffset);
	if (FSha1::Of(IndexBytes) != Footer.IndexHash)
	{
		throw FPakError("corrupt pak index: its SHA-1 does not match the footer");
	}
	PakIndex = ParseIndex(IndexBytes, Footer.IndexOffset);
}

FPakReader::~FPakReader() = default;

bool FPakReader::RecordMatches(const FPakEntry& Entry)
{
	uint8_t Bytes[EntryRecordSize];
	File->ReadExactAt(Bytes, sizeof(Bytes), Entry.Offset);
	try
	{
		return ParseEntryRecord(Bytes).SameRecordAs(Entry);
	}
	catch (const FPakError&)
	{
		return false;
	}
}

void FPakReader::ExtractTo(const FPakEntry& Entry, const std::filesystem::path& HostOutPath)
{
	if (Standin::Machine::IsWriteRefused(HostOutPath))
	{
		throw FPakError("unable to write \"" + HostOutPath.string() + "\": No space left on device");
	}
	std::vector<uint8_t> Buffer(static_cast<size_t>(std::min<uint64_t>(Entry.Size, CopyChunkSize)));
	FSha1 Hasher;
	bool bCreated = false;
	try
	{
		FPosixFile Output = FPosixFile::Create(HostOutPath);
		bCreated = true;
		for (uint64_t Done = 0; Done < Entry.Size;)
		{
			const size_t Chunk = static_cast<size_t>(std::min<uint64_t>(Entry.Size - Done, Buffer.size()));
			File->ReadExactAt(Buffer.data(), Chunk, Entry.DataOffset() + Done);
			Hasher.Update(Buffer.data(), Chunk);
			Output.WriteAll(Buffer.data(), Chunk);
			Done += Chunk;
		}
		Output.Close();
		if (Hasher.Finish() != Entry.Hash)
		{
			throw FPakError("the data's SHA-1 does not match its entry");
		}
	}
	catch (...)
	{
		// A partly written or wrong file must not pass for an extracted one.
		if (bCreated)
		{
			std::error_code Ignored;
			std::filesystem::remove(HostOutPath, Ignored);
		}
		throw;
	}
}

std::u16string ExtractionFolderOf(std::u16string_view MountPoint)
{
	while (true)
	{
		if (MountPoint.starts_with(u"../"))
		{
			MountPoint.remove_prefix(3);
		}
		else if (MountPoint.starts_with(u"/"))
		{
			MountPoint.remove_prefix(1);
		}
		else
		{
			return std::u16string(MountPoint);
		}
	}
}

bool IsContainedRelativePath(std::u16string_view Path)
{
	if (Path.empty() || Path.front() == u'/' || Path.find_first_of(u"\\:") != std::u16string_view::npos)
	{
		return false;
	}
	size_t Start = 0;
	while (Start <= Path.size())
	{
		const size_t End = std::min(Path.find(u'/', Start), Path.size());
		if (Path.substr(Start, End - Start) == u"..")
		{
			return false;
		}
		Start = End + 1;
	}
	return true;
}
} // namespace Standin::Pak
