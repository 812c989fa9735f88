#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/WorkspaceItem.h"

// The groups of the editor's Window menu.
class IWorkspaceMenuStructure
{
public:
	virtual ~IWorkspaceMenuStructure() = default;

	virtual TSharedRef<FWorkspaceItem> GetStructureRoot() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetToolsStructureRoot() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetLevelEditorCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetDeveloperToolsDebugCategory() const = 0;
	virtual TSharedRef<FWorkspaceItem> GetDeveloperToolsMiscCategory() const = 0;
};
