// Packing the cooked map folder of one platform into a pak with the engine's UnrealPak.
#include "Levelwright/LevelwrightModule.h"

#include "Common/CustomMapNames.h"
#include "Common/LevelwrightLog.h"
#include "HAL/FileManager.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/ChildProcess.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/PakListVisitor.h"
#include "Levelwright/ProgressTexts.h"
#include "Misc/Paths.h"

bool FLevelwrightModule::BuildPak(const FString& MapFolderName, const FString& CookPlatform, const FString& PakPath, int64* OutPakSize, FJobProgress* Progress)
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
	if (Progress)
	{
		Progress->SetStep(LevelwrightProgress::MakePackStepText(PakPath));
	}
	const bool bSucceeded = RunEngineTool(TEXT("UnrealPak.exe"), LevelwrightBuild::MakePakParams(PakPath, PakListPath, PakPlatform), TEXT("Pak"), Progress);

	if (OutPakSize)
	{
		// Whatever the outcome: a failed run reports the size of an older pak left in place, -1 for none.
		*OutPakSize = IPlatformFile::GetPlatformPhysical().FileSize(*PakPath);
	}
	return bSucceeded;
}
