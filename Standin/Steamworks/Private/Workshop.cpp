#include "Workshop.h"

#include "ClientConfig.h"
#include "Files.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace SteamStandin
{
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace
{
constexpr PublishedFileId_t FirstItemId = 2000000001;

// One writer at a time in this process; the Workshop folder belongs to the simulated server.
std::mutex WorkshopMutex;

std::vector<std::string> ListFiles(const fs::path& Folder)
{
	std::vector<std::string> Files;
	std::error_code Code;
	for (fs::recursive_directory_iterator It(Folder, Code), End; !Code && It != End; It.increment(Code))
	{
		if (It->is_regular_file(Code))
		{
			Files.push_back(It->path().lexically_relative(Folder).generic_string());
		}
	}
	std::sort(Files.begin(), Files.end());
	return Files;
}

std::uint64_t FolderBytes(const fs::path& Folder)
{
	std::uint64_t Total = 0;
	std::error_code Code;
	for (fs::recursive_directory_iterator It(Folder, Code), End; !Code && It != End; It.increment(Code))
	{
		if (It->is_regular_file(Code))
		{
			Total += It->file_size(Code);
		}
	}
	return Total;
}

std::string LowerExtension(const fs::path& File)
{
	std::string Extension = File.extension().string();
	std::transform(Extension.begin(), Extension.end(), Extension.begin(),
				   [](char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C; });
	return Extension;
}

// Renames that can be undone in reverse order when a later step of a commit fails.
class RenameJournal
{
public:
	bool Move(const fs::path& From, const fs::path& To, std::string& Error)
	{
		std::error_code Code;
		fs::rename(From, To, Code);
		if (Code)
		{
			Error = "cannot move " + From.string() + " to " + To.string() + ": " + Code.message();
			return false;
		}
		Done.emplace_back(From, To);
		return true;
	}

	void Undo()
	{
		for (auto It = Done.rbegin(); It != Done.rend(); ++It)
		{
			std::error_code Ignored;
			fs::rename(It->second, It->first, Ignored);
		}
		Done.clear();
	}

private:
	std::vector<std::pair<fs::path, fs::path>> Done;
};

void ApplyFields(Json& Item, const ItemChanges& Changes)
{
	if (Changes.Title)
	{
		Item["title"] = *Changes.Title;
	}
	if (Changes.Description)
	{
		Item["description"] = *Changes.Description;
	}
	if (Changes.Metadata)
	{
		Item["metadata"] = *Changes.Metadata;
	}
	if (Changes.Visibility)
	{
		Item["visibility"] = *Changes.Visibility;
	}
	if (Changes.Tags)
	{
		Item["tags"] = *Changes.Tags;
	}
}

// Moves the staged content and preview into the item folder, the old ones aside into the staging
// folder (removed with it). False, with everything moved back, when a step fails.
bool SwapFiles(const fs::path& ItemPath, const std::string& OldPreview, StagedUpload& Upload, RenameJournal& Journal,
			   std::string& Error)
{
	std::error_code Code;
	const fs::path Aside = Upload.Folder() / "previous";
	fs::create_directories(Aside, Code);
	if (Upload.HasContent())
	{
		if (fs::exists(ItemPath / "content", Code) && !Journal.Move(ItemPath / "content", Aside / "content", Error))
		{
			return false;
		}
		if (!Journal.Move(Upload.Folder() / "content", ItemPath / "content", Error))
		{
			return false;
		}
	}
	if (!Upload.PreviewName().empty())
	{
		if (!OldPreview.empty() && fs::exists(ItemPath / OldPreview, Code) &&
			!Journal.Move(ItemPath / OldPreview, Aside / OldPreview, Error))
		{
			return false;
		}
		if (!Journal.Move(Upload.Folder() / Upload.PreviewName(), ItemPath / Upload.PreviewName(), Error))
		{
			return false;
		}
	}
	return true;
}
} // namespace

std::shared_ptr<StagedUpload> StagedUpload::Create(std::string& Error)
{
	static std::atomic<unsigned> Counter{0};
	const fs::path Root =
		SteamFolder() / "staging" / (std::to_string(::getpid()) + "-" + std::to_string(Counter.fetch_add(1)));
	std::error_code Code;
	fs::remove_all(Root, Code);
	if (!fs::create_directories(Root, Code))
	{
		Error = "cannot create the staging folder " + Root.string();
		return nullptr;
	}
	return std::shared_ptr<StagedUpload>(new StagedUpload(Root));
}

StagedUpload::~StagedUpload()
{
	std::error_code Ignored;
	fs::remove_all(Root, Ignored);
	// The staging folder itself goes when it is empty, so a quiet Workshop leaves no trace.
	fs::remove(Root.parent_path(), Ignored);
}

bool StagedUpload::CopyContent(const fs::path& Folder, std::string& Error)
{
	std::error_code Code;
	fs::copy(Folder, Root / "content", fs::copy_options::recursive, Code);
	if (Code)
	{
		Error = "cannot read the content folder " + Folder.string() + ": " + Code.message();
		return false;
	}
	bHasContent = true;
	ContentByteCount = FolderBytes(Root / "content");
	return true;
}

bool StagedUpload::CopyPreview(const fs::path& File, std::string& Error)
{
	const std::string Name = "preview" + LowerExtension(File);
	std::error_code Code;
	fs::copy_file(File, Root / Name, Code);
	if (Code)
	{
		Error = "cannot read the preview file " + File.string() + ": " + Code.message();
		return false;
	}
	Preview = Name;
	PreviewByteCount = fs::file_size(Root / Name, Code);
	return true;
}

namespace Workshop
{
fs::path ItemFolder(AppId_t AppId, PublishedFileId_t ItemId)
{
	return SteamFolder() / "workshop" / std::to_string(AppId) / std::to_string(ItemId);
}

bool ItemExists(AppId_t AppId, PublishedFileId_t ItemId)
{
	std::error_code Code;
	return ItemId != 0 && fs::is_regular_file(ItemFolder(AppId, ItemId) / "item.json", Code);
}

EResult CreateItem(AppId_t AppId, PublishedFileId_t& OutId, std::string& Error)
{
	std::lock_guard Lock(WorkshopMutex);
	ClientConfig Config;
	if (!LoadClientConfig(Config, Error))
	{
		return k_EResultFail;
	}
	PublishedFileId_t Id = Config.NextItemId.value_or(FirstItemId);
	std::error_code Code;
	while (fs::exists(ItemFolder(AppId, Id), Code))
	{
		++Id;
	}
	const fs::path Folder = ItemFolder(AppId, Id);
	fs::create_directories(Folder, Code);
	const Json Item = {{"id", Id},		   {"title", ""},	   {"description", ""},
					   {"tags", Json::array()}, {"metadata", ""}, {"visibility", 0},
					   {"preview", ""},	   {"versions", Json::array()}};
	if (Code || !WriteFileAtomically(Folder / "item.json", Item.dump(4) + "\n", Error) ||
		!StoreNextItemId(Id + 1, Error))
	{
		Error = Code ? "cannot create " + Folder.string() : Error;
		fs::remove_all(Folder, Code);
		return k_EResultFail;
	}
	OutId = Id;
	return k_EResultOK;
}

EResult Commit(AppId_t AppId, PublishedFileId_t ItemId, const ItemChanges& Changes, StagedUpload* Upload,
			   std::string& Summary)
{
	std::lock_guard Lock(WorkshopMutex);
	const fs::path ItemPath = ItemFolder(AppId, ItemId);
	const std::optional<std::string> Text = ReadWholeFile(ItemPath / "item.json");
	Json Item = Text ? Json::parse(*Text, nullptr, false) : Json();
	if (!Item.is_object())
	{
		Summary = "item " + std::to_string(ItemId) + " cannot be read";
		return k_EResultFileNotFound;
	}
	const std::string OldPreview = Item["preview"].is_string() ? Item["preview"].get<std::string>() : std::string();
	ApplyFields(Item, Changes);
	if (Upload && !Upload->PreviewName().empty())
	{
		Item["preview"] = Upload->PreviewName();
	}
	const bool bNewContent = Upload && Upload->HasContent();
	const std::vector<std::string> Files = ListFiles((bNewContent ? Upload->Folder() : ItemPath) / "content");
	if (!Item["versions"].is_array())
	{
		Item["versions"] = Json::array();
	}
	Item["versions"].push_back({{"changeNote", Changes.ChangeNote}, {"files", Files}});

	RenameJournal Journal;
	std::string Error;
	if ((Upload && !SwapFiles(ItemPath, OldPreview, *Upload, Journal, Error)) ||
		!WriteFileAtomically(ItemPath / "item.json", Item.dump(4) + "\n", Error))
	{
		Journal.Undo();
		Summary = Error;
		return k_EResultFail;
	}
	Summary = "version " + std::to_string(Item["versions"].size()) + ", " + std::to_string(Files.size()) + " files";
	return k_EResultOK;
}
} // namespace Workshop
} // namespace SteamStandin
