// The window's queries (read by Slate on every layout and paint) and its handlers.
#include "Common/LevelwrightLog.h"
#include "Interfaces/IPluginManager.h"
#include "Levelwright/JobProgress.h"
#include "Levelwright/LevelwrightModule.h"
#include "Levelwright/ProjectMap.h"
#include "QRNInterface/ModName.h"
#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/UGCInterface.h"
#include "UI/DrovikWorkshopWindow.h"

FText SDrovikWorkshopWindow::GetConfigState() const
{
	const FLevelwrightModule& Module = FLevelwrightModule::Get();
	FString InstallState = Module.GameInstallPath;
	if (!InstallState.IsEmpty())
	{
		InstallState += TEXT(" - OK");
	}
	else
	{
		InstallState = TEXT("ERROR, NOT FOUND!");
	}
	FString Version;
	const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(TEXT("Levelwright"));
	if (Plugin.IsValid())
	{
		Version = Plugin->GetDescriptor().VersionName;
	}
	return FText::FromString(FString::Printf(TEXT("v%s       Drovik installed at: %s"), *Version, *InstallState));
}

FText SDrovikWorkshopWindow::GetMapTabLabel() const
{
	const FUGCInterface* Interface = FLevelwrightModule::Get().WorkshopMap;
	if (!ensure(Interface))
	{
		return FText::GetEmpty();
	}
	return FText::FromString(Interface->ItemId == 0 ? TEXT("Create Map") : TEXT("Map Details"));
}

EVisibility SDrovikWorkshopWindow::GetBusyVisibility() const
{
	return FLevelwrightModule::Get().bBusy.load() ? EVisibility::Visible : EVisibility::Collapsed;
}

EVisibility SDrovikWorkshopWindow::GetStandbyVisibility() const
{
	const FLevelwrightModule& Module = FLevelwrightModule::Get();
	if (Module.bBusy.load())
	{
		return EVisibility::Collapsed;
	}
	if (Module.WorkshopMap && Module.WorkshopMap->bRequestPending)
	{
		return EVisibility::Collapsed;
	}
	return EVisibility::Visible;
}

int32 SDrovikWorkshopWindow::GetMapSwitcherIndex() const
{
	const FProjectMap Map = FLevelwrightModule::Get().GetProjectMap();
	switch (Map.Source)
	{
	case EProjectMapSource::WorkshopMap:
		return Map.ItemId == 0 ? 0 : 1;
	case EProjectMapSource::QuarnMod:
		return Map.HasFolder() ? 3 : 2;
	default:
		const bool Interface = false;
		ensure(Interface);
		return 1;
	}
}

FText SDrovikWorkshopWindow::GetJobStepText() const
{
	const TSharedPtr<FJobProgress, ESPMode::ThreadSafe>& Job = FLevelwrightModule::Get().GetRunningJob();
	return Job.IsValid() ? FText::FromString(Job->GetStepText()) : FText::GetEmpty();
}

TOptional<float> SDrovikWorkshopWindow::GetJobPercent() const
{
	const TSharedPtr<FJobProgress, ESPMode::ThreadSafe>& Job = FLevelwrightModule::Get().GetRunningJob();
	return Job.IsValid() ? Job->GetPercent() : TOptional<float>();
}

EVisibility SDrovikWorkshopWindow::GetJobProgressVisibility(EJobKind Kind) const
{
	const TSharedPtr<FJobProgress, ESPMode::ThreadSafe>& Job = FLevelwrightModule::Get().GetRunningJob();
	return Job.IsValid() && Job->GetKind() == Kind && !Job->IsFinished() ? EVisibility::Visible : EVisibility::Collapsed;
}

int32 SDrovikWorkshopWindow::GetTabIndex() const
{
	return FLevelwrightModule::Get().SelectedTab;
}

void SDrovikWorkshopWindow::OnAndroidBuildPlatformsChanged(ECheckBoxState NewState)
{
	FLevelwrightModule& Module = FLevelwrightModule::Get();
	Module.bBuildAndroid = NewState == ECheckBoxState::Checked;
	UE_LOG(LevelwrightLog, Log, TEXT("%s"), Module.bBuildAndroid ? TEXT("Checked android build") : TEXT("Unchecked android build"));
}

void SDrovikWorkshopWindow::OnWindowsBuildPlatformsChanged(ECheckBoxState NewState)
{
	FLevelwrightModule& Module = FLevelwrightModule::Get();
	Module.bBuildWindows = NewState == ECheckBoxState::Checked;
	UE_LOG(LevelwrightLog, Log, TEXT("%s"), Module.bBuildWindows ? TEXT("Checked windows build") : TEXT("Unchecked windows build"));
}

void SDrovikWorkshopWindow::OnCookOnlyWhatChangedChanged(ECheckBoxState NewState)
{
	FLevelwrightModule& Module = FLevelwrightModule::Get();
	Module.bCookOnlyWhatChanged = NewState == ECheckBoxState::Checked;
	UE_LOG(LevelwrightLog, Log, TEXT("%s"), Module.bCookOnlyWhatChanged ? TEXT("Checked cook only what changed") : TEXT("Unchecked cook only what changed"));
}

void SDrovikWorkshopWindow::OnMapNameTextChanged(const FText& Text)
{
	if (FQRNInterface* QuarnMod = FLevelwrightModule::Get().QuarnMod)
	{
		QuarnMod->MapName = MakeModName(Text.ToString());
	}
}

void SDrovikWorkshopWindow::OnNotesTextChanged(const FText& Text)
{
	FUGCInterface* Interface = FLevelwrightModule::Get().WorkshopMap;
	if (ensure(Interface))
	{
		Interface->ChangeNote = Text.ToString();
	}
}

FReply SDrovikWorkshopWindow::CreateNewClicked()
{
	FLevelwrightModule& Module = FLevelwrightModule::Get();
	if (Module.WorkshopMap)
	{
		Module.WorkshopMap->CreateItem();
	}
	if (Module.QuarnMod)
	{
		if (Module.QuarnMod->HasMod())
		{
			UE_LOG(LevelwrightLog, Error, TEXT("Theres already an existing mod inside this project!"));
		}
		else
		{
			Module.QuarnMod->CreateMod();
		}
	}
	const bool Interface = Module.WorkshopMap || Module.QuarnMod;
	ensure(Interface);
	return FReply::Handled();
}

FReply SDrovikWorkshopWindow::StageButtonClicked()
{
	FLevelwrightModule::Get().RequestStage();
	return FReply::Handled();
}

FReply SDrovikWorkshopWindow::SubmitButtonClicked()
{
	FLevelwrightModule::Get().RequestSubmit();
	return FReply::Handled();
}

FReply SDrovikWorkshopWindow::SubmitQuarnClicked()
{
	FLevelwrightModule::Get().RequestDeploy();
	return FReply::Handled();
}

FReply SDrovikWorkshopWindow::SyncTitleClicked()
{
	FLevelwrightModule& Module = FLevelwrightModule::Get();
	if (Module.WorkshopMap)
	{
		Module.WorkshopMap->SyncMetadata();
		return FReply::Handled();
	}
	const bool Interface = Module.QuarnMod != nullptr;
	ensure(Interface);
	UE_LOG(LevelwrightLog, Error, TEXT("Not connected to steam, failed to sync data!"));
	return FReply::Handled();
}

void SDrovikWorkshopWindow::WorkshopItemLinkClicked()
{
	FUGCInterface* Interface = FLevelwrightModule::Get().WorkshopMap;
	if (ensure(Interface))
	{
		Interface->OpenItemPage();
	}
}
