// The Workshop's checks on what an update may carry: UTF-8 text, limits on lengths and tags, and
// the content folder and preview file found at submission.
#pragma once

#include "steam/steamclientpublic.h"

#include <string>
#include <string_view>

namespace SteamStandin
{
constexpr size_t MaxTitleBytes = 128;
constexpr size_t MaxDescriptionBytes = 8000;
constexpr size_t MaxChangeNoteBytes = 8000;
constexpr size_t MaxMetadataBytes = 5000;
constexpr size_t MaxTagCharacters = 255;
constexpr std::uintmax_t MinPreviewBytes = 16;
constexpr std::uintmax_t PreviewLimitBytes = 1024 * 1024;

bool IsValidUtf8(std::string_view Text);

// Null, not UTF-8 or longer than MaxBytes: false with the reason.
bool CheckText(const char* Text, size_t MaxBytes, const char* What, std::string& Why);

// At most 255 printable characters, no comma.
bool CheckTag(const char* Tag, std::string& Why);

// OK, or the Workshop's answer for a content folder (9 unless an absolute path of a folder).
EResult CheckContentFolder(const std::string& Folder, std::string& Why);

// OK, or 9 (no such file), 8 (under 16 bytes), 25 (1 MB or more).
EResult CheckPreviewFile(const std::string& File, std::string& Why);
} // namespace SteamStandin
