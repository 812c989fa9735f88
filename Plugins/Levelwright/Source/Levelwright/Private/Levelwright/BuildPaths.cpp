#include "Levelwright/BuildPaths.h"

#include "Common/LevelwrightLog.h"
#include "HAL/FileManager.h"
#include "Levelwright/BuildCommands.h"
#include "Misc/Paths.h"

FString GetAbsoluteSavedDir()
{
	return FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir());
}

FString GetEngineToolPath(const TCHAR* ExecutableName)
{
	return LevelwrightBuild::MakeToolPath(FPaths::EngineDir(), ExecutableName);
}

void MakeOutputDirectory(const FString& Dir)
{
	if (FPaths::DirectoryExists(Dir))
	{
		return;
	}
	const bool bResult = IFileManager::Get().MakeDirectory(*Dir, true);
	ensure(bResult);
}

void EmptyOutputDirectory(const FString& Dir)
{
	if (!IFileManager::Get().DeleteDirectory(*Dir, false, true))
	{
		UE_LOG(LevelwrightLog, Warning, TEXT("Could not remove everything in %s"), *Dir);
	}
}
