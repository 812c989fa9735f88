// Cooking the map through the engine's cook commandlet, run as a child process of the editor.
#include "Levelwright/LevelwrightModule.h"

#include "Common/LevelwrightLog.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Misc/Paths.h"

bool FLevelwrightModule::CookMap(bool bPCBuild, const FString& MapPackage, bool bIterative)
{
	const FString EditorUrl = GetEngineToolUrl(TEXT("UE4Editor.exe"));
	const FString ProjectFilePath = FPaths::ConvertRelativePathToFull(FPaths::GetProjectFilePath());
	const FString Params = LevelwrightBuild::MakeCookParams(ProjectFilePath, LevelwrightBuild::GetCookPlatform(bPCBuild), MapPackage, bIterative);

	UE_LOG(LevelwrightLog, Log, TEXT("MapURL = %s"), *MapPackage);
	UE_LOG(LevelwrightLog, Log, TEXT("Cook command: %s"), *Params);

	int32 ReturnCode = 0;
	FString StdOut;
	FString StdErr;
	if (!FPlatformProcess::ExecProcess(*EditorUrl, *Params, &ReturnCode, &StdOut, &StdErr))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cook command failed: %s %s"), *StdOut, *StdErr);
		return false;
	}
	if (ReturnCode != 0)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cook command returned non-zero value: %d \n%s %s"), ReturnCode, *StdOut, *StdErr);
		return false;
	}
	return true;
}

FString FLevelwrightModule::GetWorkshopContentDir() const
{
	return FPaths::Combine(GetAbsoluteSavedDir(), TEXT("Cooked"), TEXT("Workshop"));
}

FString FLevelwrightModule::GetDepotDir() const
{
	return FPaths::Combine(GetAbsoluteSavedDir(), TEXT("Cooked"), TEXT("Depot"));
}
