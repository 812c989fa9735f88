// Where things go in an archive: entry order, mount point, stored names and patch padding.
#pragma once

#include "Standin/Pak/ResponseFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Standin::Pak
{
// Case-insensitive (ASCII letters, per UTF-16 unit, as the engine's Stricmp) three-way comparison.
int CompareIgnoringCase(std::u16string_view A, std::u16string_view B);

// Orders inputs by destination path, ignoring case; equal paths keep their list order.
void SortByDestination(std::vector<FPakInputPair>& Inputs);

// The folder of the destination with the most '/', shortened by whole components (ignoring case) to
// what every destination's folder starts with. Ends with '/', or is empty.
std::u16string ComputeMountPoint(const std::vector<std::u16string>& Destinations);

// Zero bytes to write at Offset before an entry whose record and data take TotalSize bytes, so that
// with -patchpaddingalign=Align it starts on a boundary when it is at least Align long or would
// otherwise cross one. Align 0 means no padding.
uint64_t PatchPadding(uint64_t Offset, uint64_t TotalSize, uint64_t Align);

// True when Uexp is the ".uexp" companion of the ".uasset" at Asset (same path otherwise, ignoring
// case): such a pair is kept together by the padding rule.
bool IsUexpCompanion(std::u16string_view Asset, std::u16string_view Uexp);
} // namespace Standin::Pak
