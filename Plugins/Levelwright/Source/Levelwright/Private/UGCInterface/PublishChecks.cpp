#include "UGCInterface/PublishChecks.h"

#include "Common/LevelwrightLog.h"
#include "Drovik_Map.h"
#include "Engine/Texture2D.h"
#include "GenericPlatform/GenericPlatformFile.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformMisc.h"
#include "Misc/Paths.h"
#include "UGCInterface/PublishCheckTexts.h"
#include "UGCInterface/TexturePreview.h"
#include "UGCInterface/WorkshopResultTexts.h"

namespace
{
void CheckPreview(UTexture2D* Preview, TArray<FString>& OutProblems)
{
	if (!Preview)
	{
		return;
	}
	switch (InspectPreviewTexture(*Preview))
	{
	case EPreviewDefect::NotBGRA8:
		OutProblems.Add(PublishCheckTexts::MakePreviewFormatProblem(Preview->GetName(),
																	PublishCheckTexts::GetSourceFormatName(Preview->Source.GetFormat())));
		break;
	case EPreviewDefect::NoMip:
		OutProblems.Add(PublishCheckTexts::MakePreviewMipProblem(Preview->GetName()));
		break;
	default:
		break;
	}
}

// The entries directly inside the content folder; a folder among them stands for all it holds.
class FContentFolderVisitor : public IPlatformFile::FDirectoryVisitor
{
public:
	virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override
	{
		PublishCheckTexts::FContentEntry Entry;
		Entry.Name = FPaths::GetCleanFilename(FilenameOrDirectory);
		Entry.Size = bIsDirectory ? -1 : IFileManager::Get().FileSize(FilenameOrDirectory);
		Entries.Add(Entry);
		return true;
	}

	TArray<PublishCheckTexts::FContentEntry> Entries;
};
} // namespace

TArray<FString> FindCreateProblems(uint64 ItemId)
{
	TArray<FString> Problems;
	PublishCheckTexts::CheckNoItemYet(ItemId, Problems);
	return Problems;
}

TArray<FString> FindSyncProblems(UDrovik_Map& Definition, uint64 ItemId)
{
	TArray<FString> Problems;
	PublishCheckTexts::CheckTitle(Definition.MapLabel.ToString(), Problems);
	CheckPreview(Definition.PreviewImage, Problems);
	PublishCheckTexts::CheckItemId(ItemId, Problems);
	return Problems;
}

TArray<FString> FindSubmitProblems(const FString& ChangeNote, uint64 ItemId)
{
	TArray<FString> Problems;
	PublishCheckTexts::CheckChangeNote(ChangeNote, Problems);
	PublishCheckTexts::CheckItemId(ItemId, Problems);
	return Problems;
}

TArray<FString> FindContentProblems(const FString& ContentDir)
{
	FContentFolderVisitor Visitor;
	IFileManager::Get().IterateDirectory(*ContentDir, Visitor);
	TArray<FString> Problems;
	PublishCheckTexts::CheckContentFolder(ContentDir, Visitor.Entries, Problems);
	return Problems;
}

void LogPublishProblems(const TArray<FString>& Problems)
{
	for (const FString& Problem : Problems)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("%s"), *Problem);
	}
}

bool RefuseIfProblems(const TCHAR* Action, const TArray<FString>& Problems)
{
	if (Problems.Num() == 0)
	{
		return false;
	}
	LogPublishProblems(Problems);
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *PublishCheckTexts::MakeChecksFailedText(Action, Problems), WorkshopResultTexts::BoxCaption);
	return true;
}
