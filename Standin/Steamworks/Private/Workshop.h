// The simulated Workshop on disk: <machine>/steam/workshop/<app id>/<item id>/ holds
//
//   item.json    {"id", "title", "description", "tags": [...], "metadata", "visibility",
//                 "preview": "<stored file name>", "versions": [{"changeNote", "files": [...]}, ...]}
//   content/     a copy of the last uploaded content folder
//   preview.<ext> the last uploaded preview image
//
// An update is staged first (copied aside when it is submitted) and committed when its result is
// due: either everything of it lands or nothing does.
#pragma once

#include "steam/steam_api.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace SteamStandin
{
struct ItemChanges
{
	std::optional<std::string> Title;
	std::optional<std::string> Description;
	std::optional<std::string> Metadata;
	std::optional<int> Visibility;
	std::optional<std::vector<std::string>> Tags;
	std::string ChangeNote;
};

// Content and preview of one submission, copied into <machine>/steam/staging/<n>/ as they were at
// SubmitItemUpdate time. The folder is removed with the object, committed or not.
class StagedUpload
{
public:
	static std::shared_ptr<StagedUpload> Create(std::string& Error);
	~StagedUpload();
	StagedUpload(const StagedUpload&) = delete;
	StagedUpload& operator=(const StagedUpload&) = delete;

	bool CopyContent(const std::filesystem::path& Folder, std::string& Error);
	bool CopyPreview(const std::filesystem::path& File, std::string& Error);

	const std::filesystem::path& Folder() const { return Root; }
	bool HasContent() const { return bHasContent; }
	const std::string& PreviewName() const { return Preview; } // empty: no preview
	std::uint64_t ContentBytes() const { return ContentByteCount; }
	std::uint64_t PreviewBytes() const { return PreviewByteCount; }

private:
	explicit StagedUpload(std::filesystem::path InRoot) : Root(std::move(InRoot)) {}

	std::filesystem::path Root;
	bool bHasContent = false;
	std::string Preview;
	std::uint64_t ContentByteCount = 0;
	std::uint64_t PreviewByteCount = 0;
};

namespace Workshop
{
std::filesystem::path ItemFolder(AppId_t AppId, PublishedFileId_t ItemId);
bool ItemExists(AppId_t AppId, PublishedFileId_t ItemId);

// A new, empty item with the next free id (client.json "nextItemId", else 2000000001), which is
// then recorded as used.
EResult CreateItem(AppId_t AppId, PublishedFileId_t& OutId, std::string& Error);

// Applies a submission: the changed fields, the staged content and preview, and one more version.
EResult Commit(AppId_t AppId, PublishedFileId_t ItemId, const ItemChanges& Changes, StagedUpload* Upload,
			   std::string& Summary);
} // namespace Workshop
} // namespace SteamStandin
