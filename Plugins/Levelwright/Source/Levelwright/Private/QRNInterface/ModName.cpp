#include "QRNInterface/ModName.h"

#include "Misc/Paths.h"

FString MakeModName(const FString& TypedName)
{
	// The name becomes a folder name and part of package paths: drop what a file name cannot hold,
	// and keep blanks and dots (which packages do not take) out as well.
	FString ModName = FPaths::MakeValidFileName(TypedName, 0);
	ModName.ReplaceInline(TEXT(" "), TEXT("_"));
	ModName.ReplaceInline(TEXT("."), TEXT("_"));
	return ModName;
}

bool IsModNameLengthValid(const FString& ModName)
{
	return ModName.Len() >= 3 && ModName.Len() <= 32;
}
