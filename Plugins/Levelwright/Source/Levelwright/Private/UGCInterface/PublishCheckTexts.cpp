#include "UGCInterface/PublishCheckTexts.h"

#include "Common/CustomMapNames.h"
#include "Containers/StringConv.h"
#include "UGCInterface/WorkshopConstants.h"
#include "UGCInterface/WorkshopResultTexts.h"

namespace PublishCheckTexts
{
int32 GetUtf8Length(const FString& Text)
{
	// Given the length, the converter's Length() is exactly the converted bytes, with no terminator.
	return FTCHARToUTF8(*Text, Text.Len()).Length();
}

void CheckTitle(const FString& Title, TArray<FString>& OutProblems)
{
	if (Title.IsEmpty())
	{
		OutProblems.Add(TEXT("The title (MapLabel in the map's definition) is empty, and Steam refuses an item without one. "
							 "Give the map a title in its definition."));
		return;
	}
	const int32 Bytes = GetUtf8Length(Title);
	if (Bytes > MaxTitleBytes)
	{
		OutProblems.Add(FString::Printf(TEXT("The title (MapLabel in the map's definition) takes %d bytes, and Steam takes at most %d. "
											 "Shorten it: letters such as \"\u00e9\" take two bytes or more."),
										Bytes, MaxTitleBytes));
	}
}

void CheckChangeNote(const FString& ChangeNote, TArray<FString>& OutProblems)
{
	const int32 Bytes = GetUtf8Length(ChangeNote);
	if (Bytes > MaxChangeNoteBytes)
	{
		OutProblems.Add(FString::Printf(TEXT("The change note takes %d bytes, and Steam takes at most %d. Shorten it."), Bytes,
										MaxChangeNoteBytes));
	}
}

void CheckItemId(uint64 ItemId, TArray<FString>& OutProblems)
{
	if (ItemId == 0)
	{
		OutProblems.Add(TEXT("The project has no Workshop item yet (its item id is 0). Create one with Create New on the Setup page first."));
	}
}

void CheckNoItemYet(uint64 ItemId, TArray<FString>& OutProblems)
{
	if (ItemId != 0)
	{
		OutProblems.Add(FString::Printf(TEXT("The project already has Workshop item %llu (%s). A second item would not be linked to the "
											 "project; update this one with Submit and Sync Metadata."),
										ItemId, *WorkshopResultTexts::MakeItemPageUrl(ItemId)));
	}
}

FString GetSourceFormatName(ETextureSourceFormat Format)
{
	switch (Format)
	{
	case TSF_G8:
		return TEXT("G8 (8-bit grayscale)");
	case TSF_BGRA8:
		return TEXT("BGRA8 (8-bit color)");
	case TSF_BGRE8:
		return TEXT("BGRE8 (HDR color)");
	case TSF_RGBA16:
		return TEXT("RGBA16 (16-bit color)");
	case TSF_RGBA16F:
		return TEXT("RGBA16F (16-bit floating-point color)");
	default:
		return FString::Printf(TEXT("source format %d"), static_cast<int32>(Format));
	}
}

FString MakePreviewFormatProblem(const FString& TextureName, const FString& FormatName)
{
	return FString::Printf(TEXT("The preview texture %s is %s, and the Workshop preview is made from 8-bit BGRA art only. Convert it: "
								"reimport the image as a color texture (B8G8R8A8), or choose another PreviewImage in the definition."),
						   *TextureName, *FormatName);
}

FString MakePreviewMipProblem(const FString& TextureName)
{
	return FString::Printf(TEXT("The preview texture %s has no first mip matching its art, so there is no image to send. Reimport the "
								"image, or choose another PreviewImage in the definition."),
						   *TextureName);
}

namespace
{
const FContentEntry* FindEntry(const TArray<FContentEntry>& Entries, const TCHAR* Name)
{
	for (const FContentEntry& Entry : Entries)
	{
		// Windows file names ignore case, as FString's comparison does.
		if (Entry.Name == Name)
		{
			return &Entry;
		}
	}
	return nullptr;
}

void CheckPak(const FString& ContentDir, const TArray<FContentEntry>& Entries, const TCHAR* PakName, TArray<FString>& OutProblems)
{
	const FContentEntry* Pak = FindEntry(Entries, PakName);
	if (!Pak || Pak->Size < 0)
	{
		OutProblems.Add(FString::Printf(TEXT("%s was not written to the content folder %s. The log's pak lines say why; submit again once "
											 "that is fixed."),
										PakName, *ContentDir));
	}
	else if (Pak->Size == 0)
	{
		OutProblems.Add(FString::Printf(TEXT("%s in the content folder %s is empty. The log's pak lines say why; submit again once that "
											 "is fixed."),
										PakName, *ContentDir));
	}
}
} // namespace

void CheckContentFolder(const FString& ContentDir, const TArray<FContentEntry>& Entries, TArray<FString>& OutProblems)
{
	CheckPak(ContentDir, Entries, CustomMapNames::WorkshopClientPakName, OutProblems);
	CheckPak(ContentDir, Entries, CustomMapNames::WorkshopServerPakName, OutProblems);
	for (const FContentEntry& Entry : Entries)
	{
		const bool bWrittenBySubmission = Entry.Name == CustomMapNames::WorkshopClientPakName ||
										  Entry.Name == CustomMapNames::WorkshopServerPakName ||
										  Entry.Name == CustomMapNames::WorkshopMetadataName;
		if (!bWrittenBySubmission)
		{
			OutProblems.Add(FString::Printf(TEXT("%s in the content folder %s is left from an earlier build and would be uploaded with the "
												 "map. Delete it (the editor could not), then submit again."),
											*Entry.Name, *ContentDir));
		}
	}
}

FString MakeChecksFailedText(const FString& Action, const TArray<FString>& Problems)
{
	FString Text = FString::Printf(TEXT("%s sent nothing to Steam. Fix the following, then try again:\n"), *Action);
	for (const FString& Problem : Problems)
	{
		Text += TEXT("\n- ");
		Text += Problem;
	}
	return Text;
}
} // namespace PublishCheckTexts
