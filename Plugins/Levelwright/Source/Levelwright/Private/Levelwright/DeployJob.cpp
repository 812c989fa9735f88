// A Quarn mod's release files: for each selected client build a client pak and a matching Linux
// server pak, then metadata.json describing the map and the four pak sizes.
#include "Levelwright/LevelwrightModule.h"

#include "Common/LevelwrightLog.h"
#include "HAL/PlatformMisc.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"
#include "Levelwright/BuildPaths.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

namespace
{
using LevelwrightBuild::FDeployMetadata;

struct FDeployPak
{
	const TCHAR* CookPlatform;
	const TCHAR* FileName;
	int64 FDeployMetadata::*Size;
};

// What each client build packs; the two builds differ in nothing else.
struct FDeployRecipe
{
	FDeployPak ClientPak;
	FDeployPak ServerPak;
};

const FDeployRecipe PCRecipe = {
	{LevelwrightBuild::WindowsCookPlatform, TEXT("WindowsNoEditor.pak"), &FDeployMetadata::WindowsPakSize},
	{LevelwrightBuild::LinuxServerCookPlatform, TEXT("LinuxServer.pak"), &FDeployMetadata::LinuxServerPakSize},
};
const FDeployRecipe AndroidRecipe = {
	{LevelwrightBuild::AndroidCookPlatform, TEXT("Android_ASTC.pak"), &FDeployMetadata::AndroidPakSize},
	{LevelwrightBuild::LinuxServerCookPlatform, TEXT("QuarnLinuxServer.pak"), &FDeployMetadata::QuarnLinuxServerPakSize},
};

// A failed pak is a diagnostic of its own, named after the pak.
void ReportFailedPaks(bool bPCBuild, bool bClientPakSucceed, bool bServerPakSucceed)
{
	if (bPCBuild)
	{
		const bool bWindowsPakSucceed = bClientPakSucceed;
		const bool bLinuxPakSucceed = bServerPakSucceed;
		ensure(bWindowsPakSucceed);
		ensure(bLinuxPakSucceed);
	}
	else
	{
		const bool bAndroidPakSucceed = bClientPakSucceed;
		const bool bQuarnLinuxPakSucceed = bServerPakSucceed;
		ensure(bAndroidPakSucceed);
		ensure(bQuarnLinuxPakSucceed);
	}
}

bool BuildDeployPak(FLevelwrightModule& Module, const FDeployJob& Job, const FDeployPak& Pak, FDeployMetadata& Metadata)
{
	return Module.BuildPak(Job.MapFolderName, Pak.CookPlatform, FPaths::Combine(Job.OutputDir, Pak.FileName), &(Metadata.*Pak.Size), Job.Progress.Get());
}

// Cooks and packs one client build into OutputDir, recording both pak sizes. False after the cook or
// a pack failed (both packs run, so the log shows every failing pak).
bool RunDeployBuild(FLevelwrightModule& Module, const FDeployJob& Job, const FDeployBuild& Build, FDeployMetadata& Metadata)
{
	Module.WriteCookMarker(Build.bPCBuild);
	if (!Module.CookMap(Build.bPCBuild, Build.MapPackageName, false, Job.Progress.Get()))
	{
		Module.FailJob(*Job.Progress, TEXT("Cooked content is needed for deploying!"), TEXT("the cook failed (see the output log)"));
		return false;
	}
	const FDeployRecipe& Recipe = Build.bPCBuild ? PCRecipe : AndroidRecipe;
	const bool bClientPakSucceed = BuildDeployPak(Module, Job, Recipe.ClientPak, Metadata);
	const bool bServerPakSucceed = BuildDeployPak(Module, Job, Recipe.ServerPak, Metadata);
	if (Job.Progress->IsCancelRequested())
	{
		Module.EndJob(*Job.Progress, false, FString());
		return false;
	}
	ReportFailedPaks(Build.bPCBuild, bClientPakSucceed, bServerPakSucceed);
	if (!bClientPakSucceed || !bServerPakSucceed)
	{
		Module.EndJob(*Job.Progress, false, TEXT("packing failed (see the output log)"));
		return false;
	}
	return true;
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

void FLevelwrightModule::RunDeployJob(const FDeployJob& Job)
{
	MakeOutputDirectory(Job.OutputDir);

	FDeployMetadata Metadata = Job.Metadata;
	for (const FDeployBuild& Build : Job.Builds)
	{
		// A failed build has ended the job.
		if (!RunDeployBuild(*this, Job, Build, Metadata))
		{
			return;
		}
	}

	WriteDeployMetadata(Metadata, Job.OutputDir);
	const bool bWithinSizeLimit = Metadata.AndroidPakSize <= LevelwrightBuild::MaxAndroidPakSize;
	EndJob(*Job.Progress, bWithinSizeLimit, TEXT("the Android pak is larger than 100 MB"));

	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, bWithinSizeLimit ? TEXT("Successfully built!") : TEXT("Build failed, quarn pak size is higher than 100mb"), TEXT("Drovik Build"));
}
