#include "WorkspaceMenuStructureModule.h"

namespace
{
class FWorkspaceMenuStructure : public IWorkspaceMenuStructure
{
public:
	FWorkspaceMenuStructure()
		: MenuRoot(FWorkspaceItem::NewGroup(FText::FromString(TEXT("Window")))),
		  ToolsRoot(MenuRoot->AddGroup(FText::FromString(TEXT("Tools")))),
		  LevelEditorCategory(MenuRoot->AddGroup(FText::FromString(TEXT("Level Editor")))),
		  DeveloperToolsRoot(MenuRoot->AddGroup(FText::FromString(TEXT("Developer Tools")))),
		  DebugCategory(DeveloperToolsRoot->AddGroup(FText::FromString(TEXT("Debug")))),
		  MiscCategory(DeveloperToolsRoot->AddGroup(FText::FromString(TEXT("Miscellaneous"))))
	{
	}

	TSharedRef<FWorkspaceItem> GetStructureRoot() const override { return MenuRoot; }
	TSharedRef<FWorkspaceItem> GetToolsStructureRoot() const override { return ToolsRoot; }
	TSharedRef<FWorkspaceItem> GetLevelEditorCategory() const override { return LevelEditorCategory; }
	TSharedRef<FWorkspaceItem> GetDeveloperToolsDebugCategory() const override { return DebugCategory; }
	TSharedRef<FWorkspaceItem> GetDeveloperToolsMiscCategory() const override { return MiscCategory; }

	void ResetLevelEditor() { LevelEditorCategory->ClearItems(); }
	void ResetTools() { ToolsRoot->ClearItems(); }

private:
	TSharedRef<FWorkspaceItem> MenuRoot;
	TSharedRef<FWorkspaceItem> ToolsRoot;
	TSharedRef<FWorkspaceItem> LevelEditorCategory;
	TSharedRef<FWorkspaceItem> DeveloperToolsRoot;
	TSharedRef<FWorkspaceItem> DebugCategory;
	TSharedRef<FWorkspaceItem> MiscCategory;
};
} // namespace

class FWorkspaceMenuStructureModule : public IWorkspaceMenuStructureModule
{
public:
	void StartupModule() override { Structure = std::make_unique<FWorkspaceMenuStructure>(); }
	void ShutdownModule() override { Structure.reset(); }

	const IWorkspaceMenuStructure& GetWorkspaceMenuStructure() const override
	{
		check(Structure);
		return *Structure;
	}
	void ResetLevelEditorCategory() override { Structure->ResetLevelEditor(); }
	void ResetToolsCategory() override { Structure->ResetTools(); }

private:
	std::unique_ptr<FWorkspaceMenuStructure> Structure;
};

IMPLEMENT_MODULE(FWorkspaceMenuStructureModule, WorkspaceMenuStructure)

const IWorkspaceMenuStructure& WorkspaceMenu::GetMenuStructure()
{
	return FModuleManager::LoadModuleChecked<IWorkspaceMenuStructureModule>(FName(TEXT("WorkspaceMenuStructure"))).GetWorkspaceMenuStructure();
}
