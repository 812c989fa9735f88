// The checks made before anything is sent to Steam, as texts: each finds what Steam would refuse in
// the values it is given and says, in one sentence, what is wrong and what to do. They take every
// input as an argument and read no engine state, so each check and each text can be checked on its own.
#pragma once

#include "CoreMinimal.h"
#include "Engine/Texture2D.h"

namespace PublishCheckTexts
{
// The bytes Text takes as UTF-8, the form every text reaches Steam in.
int32 GetUtf8Length(const FString& Text);

// Each check appends one problem for each fault it finds and nothing when all is well.
// The title (the definition's MapLabel): not empty, at most MaxTitleBytes.
void CheckTitle(const FString& Title, TArray<FString>& OutProblems);
// The change note of a submission: at most MaxChangeNoteBytes.
void CheckChangeNote(const FString& ChangeNote, TArray<FString>& OutProblems);
// An update needs the project's item: an id that is not 0.
void CheckItemId(uint64 ItemId, TArray<FString>& OutProblems);
// A new item is created only while the project has none: another would leave the first unreachable.
void CheckNoItemYet(uint64 ItemId, TArray<FString>& OutProblems);

// The preview texture's source format in words, e.g. "G8 (8-bit grayscale)".
FString GetSourceFormatName(ETextureSourceFormat Format);
// The preview texture's art is not 8-bit BGRA: it must be converted.
FString MakePreviewFormatProblem(const FString& TextureName, const FString& FormatName);
// The preview texture has no first mip, so there is no image to send.
FString MakePreviewMipProblem(const FString& TextureName);

// One entry directly inside the Workshop content folder; Size is -1 for a folder.
struct FContentEntry
{
	FString Name;
	int64 Size = -1;
};
// The content folder after the build: both paks there and not empty, and nothing but the submission's
// own files (an earlier file would be uploaded with the map).
void CheckContentFolder(const FString& ContentDir, const TArray<FContentEntry>& Entries, TArray<FString>& OutProblems);

// The box of a refused action: "<Action> sent nothing to Steam. ...", then one line per problem.
FString MakeChecksFailedText(const FString& Action, const TArray<FString>& Problems);
} // namespace PublishCheckTexts
