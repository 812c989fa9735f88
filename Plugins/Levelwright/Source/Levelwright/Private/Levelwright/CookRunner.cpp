// Cooking the map through the engine's cook commandlet, run as a child process of the editor whose
// output reaches the log as it is printed.
#include "Levelwright/LevelwrightModule.h"

#include "Common/LevelwrightLog.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/ChildProcess.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/ProgressTexts.h"
#include "Misc/Paths.h"

bool FLevelwrightModule::CookMap(bool bPCBuild, const FString& MapPackage, bool bIterative, FJobProgress* Progress)
{
	const FString ProjectFilePath = FPaths::ConvertRelativePathToFull(FPaths::GetProjectFilePath());
	const FString CookPlatform = LevelwrightBuild::GetCookPlatform(bPCBuild);
	const FString Params = LevelwrightBuild::MakeCookParams(ProjectFilePath, CookPlatform, MapPackage, bIterative);

	UE_LOG(LevelwrightLog, Log, TEXT("MapURL = %s"), *MapPackage);
	UE_LOG(LevelwrightLog, Log, TEXT("Cook command: %s"), *Params);
	if (Progress)
	{
		Progress->SetStep(LevelwrightProgress::MakeCookStepText(MapPackage, CookPlatform));
	}
	return RunEngineTool(TEXT("UE4Editor.exe"), Params, TEXT("Cook"), Progress);
}

FString FLevelwrightModule::GetWorkshopContentDir() const
{
	return FPaths::Combine(GetAbsoluteSavedDir(), TEXT("Cooked"), TEXT("Workshop"));
}

FString FLevelwrightModule::GetDepotDir() const
{
	return FPaths::Combine(GetAbsoluteSavedDir(), TEXT("Cooked"), TEXT("Depot"));
}
