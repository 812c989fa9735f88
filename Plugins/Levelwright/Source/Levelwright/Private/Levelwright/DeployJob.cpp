// A Quarn mod's release files: for each selected client build a client pak and a matching Linux
// server pak, then metadata.json describing the map and the four pak sizes.
#include "Levelwright/LevelwrightModule.h"

#include "Drovik_Map.h"
#include "HAL/PlatformMisc.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "QRNInterface/QRNInterface.h"

namespace
{
using LevelwrightBuild::FDeployMetadata;

// Cooks the map of one build (the definition's Map for PC, its QuestMap for Android). False, after an
// Error line, when there is no map or the cook failed.
bool CookDeployMap(FLevelwrightModule& Module, bool bPCBuild)
{
	Module.WriteCookMarker(bPCBuild);
	Module.MapPackageName.Empty();
	const bool bResolved = Module.ResolveCookMap(bPCBuild);
	if (!bResolved || Module.MapPackageName.IsEmpty())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Please specify a map in the Definition file!"));
		return false;
	}
	if (!Module.CookMap(bPCBuild))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for deploying!"));
		return false;
	}
	return true;
}

bool DeployWindowsBuild(FLevelwrightModule& Module, const FString& OutputDir, FDeployMetadata& Metadata)
{
	if (!CookDeployMap(Module, true))
	{
		return false;
	}
	const bool bWindowsPakSucceed = Module.BuildPak(LevelwrightBuild::WindowsCookPlatform, FPaths::Combine(OutputDir, TEXT("WindowsNoEditor.pak")), &Metadata.WindowsPakSize);
	const bool bLinuxPakSucceed = Module.BuildPak(LevelwrightBuild::LinuxServerCookPlatform, FPaths::Combine(OutputDir, TEXT("LinuxServer.pak")), &Metadata.LinuxServerPakSize);
	ensure(bWindowsPakSucceed);
	ensure(bLinuxPakSucceed);
	return bWindowsPakSucceed && bLinuxPakSucceed;
}

bool DeployAndroidBuild(FLevelwrightModule& Module, const FString& OutputDir, FDeployMetadata& Metadata)
{
	if (!CookDeployMap(Module, false))
	{
		return false;
	}
	const bool bAndroidPakSucceed = Module.BuildPak(LevelwrightBuild::AndroidCookPlatform, FPaths::Combine(OutputDir, TEXT("Android_ASTC.pak")), &Metadata.AndroidPakSize);
	const bool bQuarnLinuxPakSucceed = Module.BuildPak(LevelwrightBuild::LinuxServerCookPlatform, FPaths::Combine(OutputDir, TEXT("QuarnLinuxServer.pak")), &Metadata.QuarnLinuxServerPakSize);
	ensure(bAndroidPakSucceed);
	ensure(bQuarnLinuxPakSucceed);
	return bAndroidPakSucceed && bQuarnLinuxPakSucceed;
}

void CopyDefinitionToMetadata(const UDrovik_Map& Definition, FDeployMetadata& Metadata)
{
	Metadata.Id = Definition.Id;
	Metadata.Version = Definition.Version;
	Metadata.MapLabel = Definition.MapLabel.ToString();
	Metadata.bIsCustomGameMode = Definition.IsCustomGameMode;
	Metadata.CustomGameModeLabel = Definition.CustomGameModeLabel;
}

void WriteDeployMetadata(const FDeployMetadata& Metadata, const FString& OutputDir)
{
	FString MetadataText;
	if (LevelwrightBuild::SerializeDeployMetadata(Metadata, MetadataText))
	{
		FFileHelper::SaveStringToFile(MetadataText, *FPaths::Combine(OutputDir, TEXT("metadata.json")));
	}
}
} // namespace

void FLevelwrightModule::RunDeployJob()
{
	const UDrovik_Map* Definition = QuarnMod ? QuarnMod->GetDefinition() : nullptr;
	FDeployMetadata Metadata;
	if (Definition)
	{
		CopyDefinitionToMetadata(*Definition, Metadata);
	}

	// Without a definition the id is empty and the paks land in the depot folder itself.
	const FString OutputDir = FPaths::Combine(GetDepotDir(), Metadata.Id);
	MakeOutputDirectory(OutputDir);

	const bool bBuilt = (!bBuildWindows || DeployWindowsBuild(*this, OutputDir, Metadata)) && (!bBuildAndroid || DeployAndroidBuild(*this, OutputDir, Metadata));
	if (!bBuilt)
	{
		bBusy.store(false);
		return;
	}

	if (Definition)
	{
		WriteDeployMetadata(Metadata, OutputDir);
	}
	bBusy.store(false);

	const bool bWithinSizeLimit = Metadata.AndroidPakSize <= LevelwrightBuild::MaxAndroidPakSize;
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, bWithinSizeLimit ? TEXT("Successfully built!") : TEXT("Build failed, quarn pak size is higher than 100mb"), TEXT("Drovik Build"));
}
