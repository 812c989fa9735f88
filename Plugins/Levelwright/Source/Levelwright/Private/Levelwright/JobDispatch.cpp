// The window's three long operations: each checks its guards on the game thread, copies what its job
// needs into the job and hands it to a background worker. bBusy admits one job at a time.
#include "Levelwright/LevelwrightModule.h"

#include "Common/CustomMapNames.h"
#include "Common/LevelwrightLog.h"
#include "Drovik_Map.h"
#include "HAL/PlatformMisc.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildJobs.h"
#include "Levelwright/ProjectMap.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/PublishChecks.h"
#include "UGCInterface/UGCInterface.h"

void FLevelwrightModule::WriteCookMarker(bool bPCBuild)
{
	// The cook process loads this plugin too; the marker tells its install locator which build runs.
	const FString MarkerPath = FPaths::Combine(FPaths::ProjectSavedDir(), CustomMapNames::CookMarkerFileName);
	FFileHelper::SaveStringToFile(LevelwrightBuild::MakeCookMarkerText(bPCBuild), *MarkerPath);
}

bool FLevelwrightModule::PrepareWorkshopBuild(const TCHAR* BusyMessage, const TCHAR* NoInstallMessage)
{
	if (bBusy.load())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("%s"), BusyMessage);
		return false;
	}
	if (GameInstallPath.IsEmpty())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("%s"), NoInstallMessage);
		return false;
	}
	if (!WorkshopMap)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cannot stage Android only mods, must have a valid UGC/have steam running to stage"));
		return false;
	}
	WriteCookMarker(true);
	// Without a map there is nothing to build; ResolveCookMap has told the author why.
	return ResolveCookMap(true);
}

void FLevelwrightModule::RequestStage()
{
	if (!PrepareWorkshopBuild(TEXT("Busy! can't stage at this time"), TEXT("Drovik installation not found, can't stage")))
	{
		return;
	}
	const FProjectMap Map = GetProjectMap();
	FStageJob Job;
	Job.Progress = BeginJob(EJobKind::Stage);
	Job.MapPackageName = MapPackageName;
	Job.MapFolderName = Map.FolderName;
	Job.ItemId = Map.ItemId;
	Job.bIterativeCook = bCookOnlyWhatChanged;
	Job.StagedPakPath = FPaths::Combine(GameInstallPath, CustomMapNames::GameProjectFolder, TEXT("Content"), TEXT("Paks"), TEXT("pakchunk_workshop_stage.pak"));
	DispatchJob(Job.Progress.ToSharedRef(), [this, Job]() { RunStageJob(Job); });
}

void FLevelwrightModule::RequestSubmit()
{
	if (!PrepareWorkshopBuild(TEXT("Busy! can't deploy at this time"), TEXT("Drovik installation not found, can't deploy")))
	{
		return;
	}
	// Nothing is cooked for a submission Steam would refuse.
	const TArray<FString> Problems = FindSubmitProblems(WorkshopMap->ChangeNote, WorkshopMap->ItemId);
	if (Problems.Num() > 0)
	{
		RefuseSubmission(Problems);
		return;
	}
	FSubmitJob Job;
	Job.Progress = BeginJob(EJobKind::Submit);
	Job.MapPackageName = MapPackageName;
	Job.MapFolderName = GetProjectMap().FolderName;
	Job.ContentDir = GetWorkshopContentDir();
	Job.ChangeNote = WorkshopMap->ChangeNote;
	DispatchJob(Job.Progress.ToSharedRef(), [this, Job]() { RunSubmitJob(Job); });
}

namespace
{
void CopyDefinitionToMetadata(const UDrovik_Map& Definition, LevelwrightBuild::FDeployMetadata& Metadata)
{
	Metadata.Id = Definition.Id;
	Metadata.Version = Definition.Version;
	Metadata.MapLabel = Definition.MapLabel.ToString();
	Metadata.bIsCustomGameMode = Definition.IsCustomGameMode;
	Metadata.CustomGameModeLabel = Definition.CustomGameModeLabel;
}
} // namespace

void FLevelwrightModule::RequestDeploy()
{
	if (!QuarnMod && WorkshopMap)
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("You can't deploy Steam UGC as server maps!"), TEXT("Drovik Build"));
		return;
	}
	// Without a Quarn mod there is no definition either, so that case is refused here as well.
	const UDrovik_Map* Definition = QuarnMod ? QuarnMod->GetDefinition() : nullptr;
	if (!Definition)
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("You need to create a definition before you can deploy!"), TEXT("Drovik Build"));
		UE_LOG(LevelwrightLog, Error, TEXT("You need to create a definition before you can deploy!"));
		return;
	}
	UE_LOG(LevelwrightLog, Log, TEXT("Deploy Platform Builds"));
	if (bBusy.load())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Busy! can't deploy at this time"));
		return;
	}

	FDeployJob Job;
	CopyDefinitionToMetadata(*Definition, Job.Metadata);
	Job.MapFolderName = GetProjectMap().FolderName;
	Job.OutputDir = FPaths::Combine(GetDepotDir(), Job.Metadata.Id);
	// Both maps are resolved here, where the definition may be read: a build that has none stops the
	// deploy before anything is cooked.
	for (const bool bPCBuild : {true, false})
	{
		if (!(bPCBuild ? bBuildWindows : bBuildAndroid))
		{
			continue;
		}
		MapPackageName.Empty();
		if (!ResolveCookMap(bPCBuild) || MapPackageName.IsEmpty())
		{
			UE_LOG(LevelwrightLog, Error, TEXT("Please specify a map in the Definition file!"));
			return;
		}
		FDeployBuild Build;
		Build.bPCBuild = bPCBuild;
		Build.MapPackageName = MapPackageName;
		Job.Builds.Add(Build);
	}

	WriteCookMarker(false);
	Job.Progress = BeginJob(EJobKind::Deploy);
	DispatchJob(Job.Progress.ToSharedRef(), [this, Job]() { RunDeployJob(Job); });
}
