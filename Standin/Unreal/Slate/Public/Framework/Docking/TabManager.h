#pragma once

#include "CoreMinimal.h"
#include "Framework/Docking/WorkspaceItem.h"
#include "Textures/SlateIcon.h"
#include "Widgets/Docking/SDockTab.h"

class SWindow;

struct FTabId
{
	FTabId() : TabType(NAME_None), InstanceId(INDEX_NONE) {}
	FTabId(const FName& InTabType) : TabType(InTabType), InstanceId(INDEX_NONE) {}
	FTabId(const FName& InTabType, const int32 InInstanceId) : TabType(InTabType), InstanceId(InInstanceId) {}

	bool operator==(const FTabId& Other) const { return TabType == Other.TabType && InstanceId == Other.InstanceId; }
	FString ToString() const { return TabType.ToString(); }

	FName TabType;
	int32 InstanceId;
};

class FSpawnTabArgs
{
public:
	FSpawnTabArgs(const TSharedPtr<SWindow>& InOwnerWindow, const FTabId& InTabBeingSpawnenId)
		: OwnerWindow(InOwnerWindow), TabIdBeingSpawned(InTabBeingSpawnenId)
	{
	}
	const TSharedPtr<SWindow>& GetOwnerWindow() const { return OwnerWindow; }
	const FTabId& GetTabId() const { return TabIdBeingSpawned; }

private:
	TSharedPtr<SWindow> OwnerWindow;
	FTabId TabIdBeingSpawned;
};

DECLARE_DELEGATE_RetVal_OneParam(TSharedRef<SDockTab>, FOnSpawnTab, const FSpawnTabArgs&)

namespace ETabSpawnerMenuType
{
enum Type
{
	Enabled,
	Disabled,
	Hidden
};
}

// A registered tab: how to spawn it and how the Window menu lists it.
class FTabSpawnerEntry : public FWorkspaceItem
{
public:
	FTabSpawnerEntry(const FName& InTabType, const FOnSpawnTab& InSpawnTabMethod)
		: FWorkspaceItem(FText::GetEmpty(), FSlateIcon(), false), TabType(InTabType), OnSpawnTab(InSpawnTabMethod),
		  MenuType(ETabSpawnerMenuType::Enabled)
	{
	}

	FTabSpawnerEntry& SetDisplayName(const FText& InLegibleName)
	{
		DisplayName = InLegibleName;
		return *this;
	}
	FTabSpawnerEntry& SetTooltipText(const FText& InTooltipText)
	{
		TooltipText = InTooltipText;
		return *this;
	}
	FTabSpawnerEntry& SetGroup(const TSharedRef<FWorkspaceItem>& InGroup);
	FTabSpawnerEntry& SetIcon(const FSlateIcon& InIcon)
	{
		Icon = InIcon;
		return *this;
	}
	FTabSpawnerEntry& SetMenuType(const TAttribute<ETabSpawnerMenuType::Type>& InMenuType)
	{
		MenuType = InMenuType;
		return *this;
	}

	ETabSpawnerMenuType::Type GetMenuType() const { return MenuType.Get(ETabSpawnerMenuType::Enabled); }

private:
	friend class FGlobalTabmanager;

	FName TabType;
	FOnSpawnTab OnSpawnTab;
	TAttribute<ETabSpawnerMenuType::Type> MenuType;
	TWeakPtr<FWorkspaceItem> Group;
};

class FTabManager : public TSharedFromThis<FTabManager>
{
public:
	virtual ~FTabManager() = default;
};

// The editor's tab manager for tabs that live outside any editor (nomad tabs). The spawners and the
// open tabs are kept for the whole process.
class FGlobalTabmanager : public FTabManager
{
public:
	static const TSharedRef<FGlobalTabmanager>& Get();

	FTabSpawnerEntry& RegisterNomadTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab);
	bool UnregisterNomadTabSpawner(const FName TabId);
	bool HasTabSpawner(FName TabId) const;
	// Opens the tab (spawning it unless it is open already) and gives it; null without a spawner.
	TSharedPtr<SDockTab> TryInvokeTab(const FTabId& TabId);
	TSharedRef<SDockTab> InvokeTab(const FTabId& TabId);
	TSharedPtr<SDockTab> FindExistingLiveTab(const FTabId& TabId) const;
};
