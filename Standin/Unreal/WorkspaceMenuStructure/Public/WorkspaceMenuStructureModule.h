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
// The editor's Window menu structure, through the "WorkspaceMenuStructure" module. (Defined in the
// module's library rather than inline, so that a caller always links the library that registers it.)
const IWorkspaceMenuStructure& GetMenuStructure();
} // namespace WorkspaceMenu
