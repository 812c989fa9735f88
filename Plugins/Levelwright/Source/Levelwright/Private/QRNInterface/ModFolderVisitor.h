#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/GenericPlatformFile.h"

// Finds the first folder directly inside CustomMaps whose name holds "UGC" or "QRN_".
class FModFolderVisitor : public IPlatformFile::FDirectoryVisitor
{
public:
	virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override;

	FString FoundName;
	bool bIsUGCFolder = false;
};
