#include "Framework/Docking/TabManager.h"

#include "Framework/TabRegistry.h"
#include "Standin/SlateTabs.h"

#include <map>

DEFINE_LOG_CATEGORY_STATIC(LogTabManager, Log, All)

namespace
{
struct FTabRegistry
{
	std::map<FName, TSharedRef<FTabSpawnerEntry>> NomadSpawners;
	std::map<FName, TSharedRef<SDockTab>> LiveTabs;
};

FTabRegistry& Registry()
{
	static FTabRegistry Tabs;
	return Tabs;
}
} // namespace

FTabSpawnerEntry& FTabSpawnerEntry::SetGroup(const TSharedRef<FWorkspaceItem>& InGroup)
{
	if (const TSharedPtr<FWorkspaceItem> OldGroup = Group.Pin())
	{
		OldGroup->RemoveItem(AsShared());
	}
	InGroup->AddItem(AsShared());
	Group = InGroup;
	return *this;
}

const TSharedRef<FGlobalTabmanager>& FGlobalTabmanager::Get()
{
	static const TSharedRef<FGlobalTabmanager> Instance = MakeShareable(new FGlobalTabmanager());
	return Instance;
}

FTabSpawnerEntry& FGlobalTabmanager::RegisterNomadTabSpawner(const FName TabId, const FOnSpawnTab& OnSpawnTab)
{
	ensureMsgf(!Registry().NomadSpawners.contains(TabId), TEXT("A nomad tab spawner named '%s' is already registered"), *TabId.ToString());
	UnregisterNomadTabSpawner(TabId);
	const TSharedRef<FTabSpawnerEntry> Entry = MakeShareable(new FTabSpawnerEntry(TabId, OnSpawnTab));
	Registry().NomadSpawners.emplace(TabId, Entry);
	return *Entry;
}

bool FGlobalTabmanager::UnregisterNomadTabSpawner(const FName TabId)
{
	const auto Found = Registry().NomadSpawners.find(TabId);
	if (Found == Registry().NomadSpawners.end())
	{
		return false;
	}
	if (const TSharedPtr<FWorkspaceItem> Group = Found->second->Group.Pin())
	{
		Group->RemoveItem(StaticCastSharedRef<FWorkspaceItem>(Found->second));
	}
	Registry().NomadSpawners.erase(Found);
	return true;
}

bool FGlobalTabmanager::HasTabSpawner(FName TabId) const { return Registry().NomadSpawners.contains(TabId); }

TSharedPtr<SDockTab> FGlobalTabmanager::FindExistingLiveTab(const FTabId& TabId) const
{
	const auto Found = Registry().LiveTabs.find(TabId.TabType);
	return Found != Registry().LiveTabs.end() ? TSharedPtr<SDockTab>(Found->second) : TSharedPtr<SDockTab>();
}

TSharedPtr<SDockTab> FGlobalTabmanager::TryInvokeTab(const FTabId& TabId)
{
	if (const TSharedPtr<SDockTab> Existing = FindExistingLiveTab(TabId))
	{
		return Existing;
	}
	const auto Found = Registry().NomadSpawners.find(TabId.TabType);
	if (Found == Registry().NomadSpawners.end() || !Found->second->OnSpawnTab.IsBound())
	{
		UE_LOG(LogTabManager, Warning, TEXT("Unable to spawn tab '%s' because no spawner is registered."), *TabId.ToString());
		return nullptr;
	}
	const TSharedRef<SDockTab> Tab = Found->second->OnSpawnTab.Execute(FSpawnTabArgs(nullptr, TabId));
	Registry().LiveTabs.insert_or_assign(TabId.TabType, Tab);
	return Tab;
}

TSharedRef<SDockTab> FGlobalTabmanager::InvokeTab(const FTabId& TabId)
{
	const TSharedPtr<SDockTab> Tab = TryInvokeTab(TabId);
	checkf(Tab.IsValid(), TEXT("No tab spawner for '%s'"), *TabId.ToString());
	return Tab.ToSharedRef();
}

namespace Standin::Slate
{
void ForgetLiveTab(const SDockTab& Tab)
{
	std::erase_if(Registry().LiveTabs, [&](const auto& Entry) { return &Entry.second.Get() == &Tab; });
}

TSharedPtr<FTabSpawnerEntry> FindNomadTabSpawner(const FName TabId)
{
	const auto Found = Registry().NomadSpawners.find(TabId);
	return Found != Registry().NomadSpawners.end() ? TSharedPtr<FTabSpawnerEntry>(Found->second) : TSharedPtr<FTabSpawnerEntry>();
}

void CloseAllTabs()
{
	const std::map<FName, TSharedRef<SDockTab>> Open = Registry().LiveTabs;
	for (const auto& [TabId, Tab] : Open)
	{
		Tab->RequestCloseTab();
	}
	Registry().LiveTabs.clear();
}
} // namespace Standin::Slate
