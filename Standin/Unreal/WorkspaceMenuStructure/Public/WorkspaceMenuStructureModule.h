#pragma once

#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "Modules/ModuleManager.h"
#include "WorkspaceMenuStructure.h"

class IWorkspaceMenuStructureModule : public IModuleInterface
{
public:
	virtual const IWorkspaceMenuStructure& GetWorkspaceMenuStructure() const = 0;
	virtual void ResetLevelEditorCategory() = 0;
	virtual void ResetToolsCategory() = 0;
};

namespace WorkspaceMenu
{
// The editor's Window menu structure, through the "WorkspaceMenuStructure" module.
inline const IWorkspaceMenuStructure& GetMenuStructure()
{
	return FModuleManager::LoadModuleChecked<IWorkspaceMenuStructureModule>(FName(TEXT("WorkspaceMenuStructure"))).GetWorkspaceMenuStructure();
}
} // namespace WorkspaceMenu
