#include "Levelwright/PakListVisitor.h"

#include "HAL/FileManager.h"
#include "Levelwright/BuildCommands.h"
#include "Common/LevelwrightLog.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

FPakListVisitor::FPakListVisitor(const FString& InMountPoint, const FString& InCookedMapDir)
	: MountPoint(InMountPoint)
	, CookedMapDir(InCookedMapDir)
	, CookedMapBase(InCookedMapDir.Replace(TEXT("\\"), TEXT("/")) + TEXT("/"))
{
}

bool FPakListVisitor::Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory)
{
	FString RelativePath = FilenameOrDirectory;
	RelativePath.ReplaceInline(TEXT("\\"), TEXT("/"));
	// The walk names each entry as "<CookedMapDir>/<path>": the path is what follows. Any other form goes
	// through the general (and far slower) conversion, once per file in a walk of many thousands.
	if (RelativePath.StartsWith(CookedMapBase, ESearchCase::CaseSensitive) && RelativePath.Len() > CookedMapBase.Len())
	{
		RelativePath.RemoveAt(0, CookedMapBase.Len());
	}
	else
	{
		// The trailing slash makes the folder itself the base, not its parent.
		FPaths::MakePathRelativeTo(RelativePath, *CookedMapBase);
	}
	if (!bIsDirectory)
	{
		UE_LOG(LevelwrightLog, Log, TEXT("Adding to paklist %s"), *RelativePath);
		LevelwrightBuild::AppendPakListLine(PakList, FilenameOrDirectory, MountPoint, RelativePath);
	}
	return true;
}

void WritePakList(const FString& CookedMapDir, const FString& MountPoint, const FString& PakListPath)
{
	FPakListVisitor Visitor(MountPoint, CookedMapDir);
	IFileManager::Get().IterateDirectoryRecursively(*CookedMapDir, Visitor);
	FFileHelper::SaveStringToFile(Visitor.PakList, *PakListPath);
}
