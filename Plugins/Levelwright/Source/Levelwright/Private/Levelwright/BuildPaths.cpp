#include "Levelwright/BuildPaths.h"

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
