#include "Standin/Pak/PakWriter.h"

#include "PosixFile.h"
#include "Standin/Machine.h"
#include "Standin/Pak/PakLayout.h"
#include "Standin/Pak/Sha1.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace Standin::Pak
{
namespace
{
constexpr uint64_t HashOffsetInRecord = 28;

// The archive being written: a fixed buffer in front of the file, so small records and small files
// cost no system call each, and large files are read straight into the buffer's free space.
class FArchiveOutput
{
public:
	explicit FArchiveOutput(FPosixFile& InFile)
		: File(InFile), Buffer(std::make_unique<uint8_t[]>(CopyChunkSize))
	{
	}

	uint64_t Position() const { return Flushed + Used; }

	void Write(const void* Data, size_t Size)
	{
		const auto* Bytes = static_cast<const uint8_t*>(Data);
		while (Size > 0)
		{
			std::span<uint8_t> Free = FreeSpace();
			const size_t Count = std::min(Size, Free.size());
			std::memcpy(Free.data(), Bytes, Count);
			Commit(Count);
			Bytes += Count;
			Size -= Count;
		}
	}

	void WriteZeros(uint64_t Count)
	{
		while (Count > 0)
		{
			std::span<uint8_t> Free = FreeSpace();
			const size_t Chunk = static_cast<size_t>(std::min<uint64_t>(Count, Free.size()));
			std::memset(Free.data(), 0, Chunk);
			Commit(Chunk);
			Count -= Chunk;
		}
	}

	// Never empty: flushes first when the buffer is full.
	std::span<uint8_t> FreeSpace()
	{
		if (Used == CopyChunkSize)
		{
			Flush();
		}
		return {Buffer.get() + Used, CopyChunkSize - Used};
	}

	void Commit(size_t Count) { Used += Count; }

	// Overwrites bytes already written, in the buffer or in the file.
	void Patch(uint64_t Offset, const void* Data, size_t Size)
	{
		const auto* Bytes = static_cast<const uint8_t*>(Data);
		if (Offset < Flushed)
		{
			const size_t InFile = static_cast<size_t>(std::min<uint64_t>(Size, Flushed - Offset));
			File.WriteAllAt(Bytes, InFile, Offset);
			Bytes += InFile;
			Size -= InFile;
			Offset += InFile;
		}
		std::memcpy(Buffer.get() + (Offset - Flushed), Bytes, Size);
	}

	void Flush()
	{
		File.WriteAll(Buffer.get(), Used);
		Flushed += Used;
		Used = 0;
	}

private:
	FPosixFile& File;
	std::unique_ptr<uint8_t[]> Buffer;
	uint64_t Flushed = 0;
	size_t Used = 0;
};

// Copies one source behind its record and returns the SHA-1 of its bytes.
FSha1Digest CopySource(const FPakSource& Source, FArchiveOutput& Output, FSha1& Hasher)
{
	FPosixFile Input = FPosixFile::OpenRead(Source.HostPath);
	Hasher.Reset();
	uint64_t Copied = 0;
	while (true)
	{
		std::span<uint8_t> Free = Output.FreeSpace();
		const size_t Got = Input.ReadSome(Free.data(), Free.size());
		if (Got == 0)
		{
			break;
		}
		Hasher.Update(Free.data(), Got);
		Output.Commit(Got);
		Copied += Got;
		if (Copied > Source.Size)
		{
			break;
		}
	}
	if (Copied != Source.Size)
	{
		throw FPakError("\"" + Source.HostPath.string() + "\" changed size while it was packed (" +
						std::to_string(Source.Size) + " bytes expected)");
	}
	return Hasher.Finish();
}

// Bytes the padding rule sees for the entry at Index: its record and data, plus half of a .uexp
// companion that follows it.
uint64_t PaddedSpan(const std::vector<FPakSource>& Sources, size_t Index)
{
	uint64_t Span = EntryRecordSize + Sources[Index].Size;
	if (Index + 1 < Sources.size() && IsUexpCompanion(Sources[Index].Dest, Sources[Index + 1].Dest))
	{
		Span += Sources[Index + 1].Size / 2;
	}
	return Span;
}

void WriteArchive(FArchiveOutput& Output, const std::u16string& MountPoint, const std::vector<FPakSource>& Sources,
				  const FPakWriteOptions& Options)
{
	FPakIndex Index;
	Index.MountPoint = MountPoint;
	Index.Entries.reserve(Sources.size());
	FSha1 Hasher;
	std::string Record;
	for (size_t I = 0; I < Sources.size(); ++I)
	{
		const FPakSource& Source = Sources[I];
		const bool bFollowsItsAsset = I > 0 && IsUexpCompanion(Sources[I - 1].Dest, Source.Dest);
		if (!bFollowsItsAsset)
		{
			Output.WriteZeros(PatchPadding(Output.Position(), PaddedSpan(Sources, I), Options.PatchPaddingAlign));
		}
		FPakIndexEntry Item;
		Item.Name = Source.Name;
		Item.Entry.Size = Source.Size;
		Item.Entry.UncompressedSize = Source.Size;
		Item.Entry.Offset = Output.Position();

		// The record before the data has Offset 0 and, until the data is through, a zero hash.
		FPakEntry Placeholder = Item.Entry;
		Placeholder.Offset = 0;
		Record.clear();
		AppendEntryRecord(Record, Placeholder);
		Output.Write(Record.data(), Record.size());
		Item.Entry.Hash = CopySource(Source, Output, Hasher);
		Output.Patch(Item.Entry.Offset + HashOffsetInRecord, Item.Entry.Hash.data(), Item.Entry.Hash.size());
		Index.Entries.push_back(std::move(Item));
	}
	const std::string IndexBytes = SerializeIndex(Index);
	FPakFooter Footer;
	Footer.IndexOffset = Output.Position();
	Footer.IndexSize = IndexBytes.size();
	Footer.IndexHash = FSha1::Of({reinterpret_cast<const uint8_t*>(IndexBytes.data()), IndexBytes.size()});
	Output.Write(IndexBytes.data(), IndexBytes.size());
	const std::string FooterBytes = SerializeFooter(Footer);
	Output.Write(FooterBytes.data(), FooterBytes.size());
	Output.Flush();
}
// The older archive stays on disk until the rename, but its cached pages are dropped now so that the
// new archive's pages can reuse them: a rewrite then costs about what truncating and rewriting would.
void ReleaseCachedPages(const std::filesystem::path& Path)
{
	const int Descriptor = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
	if (Descriptor >= 0)
	{
		::posix_fadvise(Descriptor, 0, 0, POSIX_FADV_DONTNEED);
		::close(Descriptor);
	}
}

// Windows does not replace a read-only file, and its read-only attribute binds administrators too. Here
// a file without any write permission stands for that attribute; one the user may not write is refused
// as well, although the rename into a writable folder would succeed.
bool IsWriteProtected(const std::filesystem::path& Path)
{
	struct stat Info{};
	if (::stat(Path.c_str(), &Info) != 0)
	{
		return false;
	}
	return (Info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(Path.c_str(), W_OK) != 0;
}
} // namespace

std::vector<FPakSource> CollectSources(std::vector<FPakInputPair> Inputs, std::u16string& OutMountPoint)
{
	SortByDestination(Inputs);
	for (size_t I = 1; I < Inputs.size(); ++I)
	{
		if (CompareIgnoringCase(Inputs[I - 1].Dest, Inputs[I].Dest) == 0)
		{
			throw FPakError("two files share the destination \"" + Standin::Machine::ToUtf8(Inputs[I].Dest) + "\"");
		}
	}
	std::vector<std::u16string> Destinations;
	Destinations.reserve(Inputs.size());
	for (const FPakInputPair& Input : Inputs)
	{
		Destinations.push_back(Input.Dest);
	}
	OutMountPoint = ComputeMountPoint(Destinations);

	std::vector<FPakSource> Sources;
	Sources.reserve(Inputs.size());
	for (FPakInputPair& Input : Inputs)
	{
		FPakSource Source;
		Source.HostPath = Standin::Machine::ToHostPath(Input.Source);
		struct stat Info{};
		if (::stat(Source.HostPath.c_str(), &Info) != 0 || !S_ISREG(Info.st_mode) ||
			::access(Source.HostPath.c_str(), R_OK) != 0)
		{
			throw FPakError("unable to read source file \"" + Standin::Machine::ToUtf8(Input.Source) + "\"" +
							(Source.HostPath.string() != Standin::Machine::ToUtf8(Input.Source)
								 ? " (" + Source.HostPath.string() + ")"
								 : std::string()));
		}
		Source.Size = static_cast<uint64_t>(Info.st_size);
		Source.Name = Input.Dest.substr(OutMountPoint.size());
		Source.Dest = std::move(Input.Dest);
		Sources.push_back(std::move(Source));
	}
	return Sources;
}

FPakWriteResult WritePak(const std::filesystem::path& HostPakPath, const std::u16string& MountPoint,
						 const std::vector<FPakSource>& Sources, const FPakWriteOptions& Options)
{
	const std::filesystem::path TempPath =
		HostPakPath.parent_path() / ("." + HostPakPath.filename().string() + "." + std::to_string(::getpid()) + ".tmp");
	if (Standin::Machine::IsWriteRefused(HostPakPath) || Standin::Machine::IsWriteRefused(TempPath))
	{
		throw FPakError("unable to write \"" + HostPakPath.string() + "\": No space left on device");
	}
	if (IsWriteProtected(HostPakPath))
	{
		throw FPakError("unable to replace \"" + HostPakPath.string() + "\": Permission denied");
	}
	ReleaseCachedPages(HostPakPath);
	FPakWriteResult Result;
	try
	{
		FPosixFile File = FPosixFile::Create(TempPath);
		{
			FArchiveOutput Output(File);
			WriteArchive(Output, MountPoint, Sources, Options);
			Result.ArchiveSize = Output.Position();
		}
		File.Close();
		std::error_code Error;
		std::filesystem::rename(TempPath, HostPakPath, Error);
		if (Error)
		{
			throw FPakError("unable to replace \"" + HostPakPath.string() + "\": " + Error.message());
		}
	}
	catch (...)
	{
		std::error_code Ignored;
		std::filesystem::remove(TempPath, Ignored);
		throw;
	}
	Result.FileCount = Sources.size();
	return Result;
}
} // namespace Standin::Pak
