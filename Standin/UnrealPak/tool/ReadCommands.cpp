#include "Commands.h"
#include "PakLog.h"
#include "Standin/Machine.h"
#include "Standin/Pak/PakReader.h"

#include <algorithm>
#include <optional>

namespace Standin::Pak
{
namespace
{
using Standin::Machine::ToUtf8;

std::optional<FPakReader> OpenPak(const FPakCommandLine& Line)
{
	try
	{
		return std::optional<FPakReader>(std::in_place, Standin::Machine::ToHostPath(Line.PakPath));
	}
	catch (const FPakError& Error)
	{
		Log::Error("Unable to open pak file \"" + Line.PakPath + "\": " + Error.what() + ".");
		return std::nullopt;
	}
}

std::string Quoted(std::u16string_view Name)
{
	return "\"" + ToUtf8(Name) + "\"";
}

// Extracts one entry; returns false (after its error line) when it could not.
bool ExtractEntry(FPakReader& Reader, const FPakIndexEntry& Item, const std::u16string& Folder,
				  const FPakCommandLine& Line)
{
	const std::u16string Relative = Folder + Item.Name;
	// The name alone must be relative too: "/x" below a non-empty folder would still be an absolute name.
	if (!IsContainedRelativePath(Item.Name) || !IsContainedRelativePath(Relative))
	{
		Log::Error("Refusing to extract " + Quoted(Item.Name) + ": its path " + Quoted(Relative) +
				   " leaves the output folder.");
		return false;
	}
	try
	{
		if (!Reader.RecordMatches(Item.Entry))
		{
			Log::Error("Serialized hash mismatch for " + Quoted(Item.Name) + ".");
			return false;
		}
		Reader.ExtractTo(Item.Entry, Standin::Machine::ToHostPath(Line.ExtractDir) / ToUtf8(Relative));
	}
	catch (const FPakError& Error)
	{
		Log::Error("Unable to extract " + Quoted(Item.Name) + ": " + Error.what() + ".");
		return false;
	}
	const bool bHasSeparator = !Line.ExtractDir.empty() && (Line.ExtractDir.back() == '/' || Line.ExtractDir.back() == '\\');
	Log::Display("Extracted " + Quoted(Item.Name) + " to \"" + Line.ExtractDir + (bHasSeparator ? "" : "/") +
				 ToUtf8(Relative) + "\".");
	return true;
}
} // namespace

int RunList(const FPakCommandLine& Line)
{
	std::optional<FPakReader> Reader = OpenPak(Line);
	if (!Reader)
	{
		return 1;
	}
	const FPakIndex& Index = Reader->Index();
	Log::Display("Mount point " + ToUtf8(Index.MountPoint));
	std::vector<const FPakIndexEntry*> ByOffset;
	for (const FPakIndexEntry& Item : Index.Entries)
	{
		ByOffset.push_back(&Item);
	}
	std::stable_sort(ByOffset.begin(), ByOffset.end(), [](const FPakIndexEntry* A, const FPakIndexEntry* B) {
		return A->Entry.Offset < B->Entry.Offset;
	});
	uint64_t TotalSize = 0;
	uint64_t FilteredSize = 0;
	for (const FPakIndexEntry* Item : ByOffset)
	{
		const FPakEntry& Entry = Item->Entry;
		if (Entry.Size >= Line.SizeFilter)
		{
			Log::Display(Quoted(Item->Name) + " offset: " + std::to_string(Entry.Offset) + ", size: " +
						 std::to_string(Entry.Size) + " bytes, sha1: " + ToHex(Entry.Hash) + ".");
			FilteredSize += Entry.Size;
		}
		TotalSize += Entry.Size;
	}
	Log::Display(std::to_string(ByOffset.size()) + " files (" + std::to_string(TotalSize) + " bytes), (" +
				 std::to_string(FilteredSize) + " filtered bytes).");
	return 0;
}

int RunExtract(const FPakCommandLine& Line)
{
	std::optional<FPakReader> Reader = OpenPak(Line);
	if (!Reader)
	{
		return 1;
	}
	const std::u16string Folder = ExtractionFolderOf(Reader->Index().MountPoint);
	size_t Errors = 0;
	for (const FPakIndexEntry& Item : Reader->Index().Entries)
	{
		Errors += ExtractEntry(*Reader, Item, Folder, Line) ? 0 : 1;
	}
	Log::Display("Finished extracting " + std::to_string(Reader->Index().Entries.size()) + " (including " +
				 std::to_string(Errors) + " errors).");
	return Errors == 0 ? 0 : 1;
}
} // namespace Standin::Pak
