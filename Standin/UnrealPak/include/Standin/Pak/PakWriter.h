// Writes a version-7 archive: one pass over each source file in fixed-size chunks, hashing while
// copying, under a temporary name that replaces the destination only once everything succeeded.
#pragma once

#include "Standin/Pak/PakFormat.h"
#include "Standin/Pak/ResponseFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace Standin::Pak
{
struct FPakSource
{
	std::filesystem::path HostPath;
	std::u16string Dest; // full destination path
	std::u16string Name; // Dest without the mount point: what the index stores
	uint64_t Size = 0;	 // from stat; the file must still have this size when it is copied
};

struct FPakWriteOptions
{
	uint64_t PatchPaddingAlign = 0; // -patchpaddingalign=N; 0 for none
};

struct FPakWriteResult
{
	size_t FileCount = 0;
	uint64_t ArchiveSize = 0;
};

// Sorts the inputs, computes the mount point and stats every source (through the machine's path
// mapping); a missing or unreadable source is an FPakError.
std::vector<FPakSource> CollectSources(std::vector<FPakInputPair> Inputs, std::u16string& OutMountPoint);

// Sources in archive order, as CollectSources returns them. A refused write
// (LEVELWRIGHT_FAULT_DISK_FULL) fails as a full disk would, and a write-protected older archive is not
// replaced; on any failure the file at HostPakPath is left as it was.
FPakWriteResult WritePak(const std::filesystem::path& HostPakPath, const std::u16string& MountPoint,
						 const std::vector<FPakSource>& Sources, const FPakWriteOptions& Options);

// The size of the chunks a source file is copied in, and of the output buffer.
inline constexpr size_t CopyChunkSize = 1 << 20;
} // namespace Standin::Pak
