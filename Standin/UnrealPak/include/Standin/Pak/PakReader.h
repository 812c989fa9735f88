// Reads a version-7 archive back: footer, index (SHA-1 checked), records and data.
#pragma once

#include "Standin/Pak/PakFormat.h"

#include <filesystem>
#include <memory>

namespace Standin::Pak
{
class FPosixFile;

// An index larger than this is taken for corruption rather than allocated.
inline constexpr uint64_t MaxIndexSize = 256ull << 20;

class FPakReader
{
public:
	// Opens and validates the footer and the whole index; throws FPakError when the archive is not a
	// readable version-7 pak.
	explicit FPakReader(const std::filesystem::path& HostPath);
	~FPakReader();

	const FPakIndex& Index() const { return PakIndex; }
	uint64_t ArchiveSize() const { return Size; }

	// True when the record stored before the entry's data agrees with its index entry.
	bool RecordMatches(const FPakEntry& Entry);

	// Copies the entry's data to HostOutPath (creating folders), checking its SHA-1 on the way; a
	// mismatch removes the written file and throws.
	void ExtractTo(const FPakEntry& Entry, const std::filesystem::path& HostOutPath);

private:
	std::unique_ptr<FPosixFile> File;
	uint64_t Size = 0;
	FPakIndex PakIndex;
};

// The folder, below an extraction folder, that a mount point names: its leading "../" (and '/') are
// dropped, so "../../../Drovik/Content/" extracts to "Drovik/Content/".
std::u16string ExtractionFolderOf(std::u16string_view MountPoint);

// True for a relative path that stays below its base folder: not empty, no leading '/', no '\\' or
// ':' and no ".." component.
bool IsContainedRelativePath(std::u16string_view Path);
} // namespace Standin::Pak
