// Packing the cooked map folder of one platform into a pak with the engine's UnrealPak.
#include "Levelwright/LevelwrightModule.h"

#include "Common/CustomMapNames.h"
#include "Common/LevelwrightLog.h"
#include "HAL/FileManager.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/PakListVisitor.h"
#include "Misc/Paths.h"

namespace
{
bool RunUnrealPak(const FString& Params)
{
	const FString PakUrl = GetEngineToolUrl(TEXT("UnrealPak.exe"));
	int32 ReturnCode = 0;
	FString StdOut;
	FString StdErr;
	bool bSucceeded = true;
	if (!FPlatformProcess::ExecProcess(*PakUrl, *Params, &ReturnCode, &StdOut, &StdErr))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Pak command failed: %s %s"), *StdOut, *StdErr);
		bSucceeded = false;
	}
	if (ReturnCode != 0)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Pak command returned non-zero value: %d \n%s %s"), ReturnCode, *StdOut, *StdErr);
		bSucceeded = false;
	}
	return bSucceeded;
}
} // namespace

bool FLevelwrightModule::BuildPak(const FString& MapFolderName, const FString& CookPlatform, const FString& PakPath, int64* OutPakSize)
{
	if (MapFolderName.IsEmpty())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("No Mod found to create a .pak from"));
		return false;
	}

	const FString SavedDir = GetAbsoluteSavedDir();
	const FString PakListPath = FPaths::Combine(SavedDir, TEXT("custommap_paklist.txt"));
	WritePakList(CustomMapNames::MakeCookedMapDir(SavedDir, CookPlatform, MapFolderName), CustomMapNames::MakeMountPoint(MapFolderName), PakListPath);

	const FString PakPlatform = LevelwrightBuild::GetPakPlatform(CookPlatform);
	const bool bSucceeded = RunUnrealPak(LevelwrightBuild::MakePakParams(PakPath, PakListPath, PakPlatform));

	if (OutPakSize)
	{
		// Whatever the outcome: a failed run reports the size of an older pak left in place, -1 for none.
		*OutPakSize = IPlatformFile::GetPlatformPhysical().FileSize(*PakPath);
	}
	return bSucceeded;
}
