#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/GenericPlatformFile.h"

// Finds the first "UGC" folder directly inside CustomMaps and reads the item id that follows "UGC".
class FUGCFolderVisitor : public IPlatformFile::FDirectoryVisitor
{
public:
	virtual bool Visit(const TCHAR* FilenameOrDirectory, bool bIsDirectory) override;

	uint64 ParsedId = 0;
};

// Reads an unsigned decimal number from the start of Text as a standard input stream does: leading
// white space skipped, digits up to the first non-digit; 0 when no digit can be read or on overflow.
uint64 ParseItemId(const FString& Text);
