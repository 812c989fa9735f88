#include "Levelwright/PakListVisitor.h"

#include "HAL/FileManager.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/LevelwrightModule.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

FPakListVisitor::FPakListVisitor(const FString& InMountPoint, const FString& InCookedMapDir)
	: MountPoint(InMountPoint)
	, CookedMapDir(InCookedMapDir)
{
}

bool FPakListVisitor::Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory)
{
	FString RelativePath = FilenameOrDirectory;
	RelativePath.ReplaceInline(TEXT("\\"), TEXT("/"));
	// The trailing slash makes the folder itself the base, not its parent.
	FPaths::MakePathRelativeTo(RelativePath, *(CookedMapDir + TEXT("/")));
	if (!bIsDirectory)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Adding to paklist %s"), *RelativePath);
		PakList += LevelwrightBuild::MakePakListLine(FilenameOrDirectory, MountPoint, RelativePath);
	}
	return true;
}

void WritePakList(const FString& CookedMapDir, const FString& MountPoint, const FString& PakListPath)
{
	FPakListVisitor Visitor(MountPoint, CookedMapDir);
	IFileManager::Get().IterateDirectoryRecursively(*CookedMapDir, Visitor);
	FFileHelper::SaveStringToFile(Visitor.PakList, *PakListPath);
}
