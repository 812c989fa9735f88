#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/GenericPlatformFile.h"

// Walks a cooked map folder and collects one pak list line per file, each naming the file and its
// path below the mount point. Folders get no line; the walk never stops early.
class FPakListVisitor : public IPlatformFile::FDirectoryVisitor
{
public:
	FPakListVisitor(const FString& InMountPoint, const FString& InCookedMapDir);

	virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override;

	FString MountPoint;
	FString CookedMapDir;
	FString PakList;

private:
	// CookedMapDir with forward slashes and a trailing slash: the base of every relative path.
	FString CookedMapBase;
};

// Writes the pak list of the cooked map folder (an empty file when nothing was cooked there).
void WritePakList(const FString& CookedMapDir, const FString& MountPoint, const FString& PakListPath);
