// The nomad tab "Drovik Workshop" and the window it hosts.
#include "EditorStyleSet.h"
#include "Framework/Docking/TabManager.h"
#include "Levelwright/LevelwrightModule.h"
#include "Modules/ModuleManager.h"
#include "Textures/SlateIcon.h"
#include "UI/DrovikWorkshopWindow.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Layout/SBorder.h"
#include "WorkspaceMenuStructure.h"
#include "WorkspaceMenuStructureModule.h"

#define LOCTEXT_NAMESPACE "FLevelwrightModule"

namespace
{
const FName WorkshopTabName(TEXT("DrovikWorkshopTab"));
} // namespace

void FLevelwrightModule::RegisterWorkshopTab()
{
	const IWorkspaceMenuStructure& MenuStructure =
		FModuleManager::LoadModuleChecked<IWorkspaceMenuStructureModule>(TEXT("WorkspaceMenuStructure")).GetWorkspaceMenuStructure();
	FGlobalTabmanager::Get()
		->RegisterNomadTabSpawner(WorkshopTabName, FOnSpawnTab::CreateRaw(this, &FLevelwrightModule::SpawnWorkshopTab))
		.SetDisplayName(FText::FromString(TEXT("Drovik Workshop")))
		.SetGroup(MenuStructure.GetToolsStructureRoot())
		.SetIcon(FSlateIcon(FEditorStyle::GetStyleSetName(), "Log.TabIcon"));
}

void FLevelwrightModule::UnregisterWorkshopTab()
{
	FGlobalTabmanager::Get()->UnregisterNomadTabSpawner(WorkshopTabName);
}

TSharedRef<SDockTab> FLevelwrightModule::SpawnWorkshopTab(const FSpawnTabArgs& Args)
{
	return SNew(SDockTab)
		.TabRole(ETabRole::MajorTab)
		.ContentPadding(FMargin(5))
		.Label(LOCTEXT("TabTitle", "Drovik Workshop"))
		[
			SNew(SBorder)
			.Padding(4)
			[
				SNew(SDrovikWorkshopWindow)
			]
		];
}

#undef LOCTEXT_NAMESPACE
