#include "Framework/Docking/TabManager.h"

DEFINE_LOG_CATEGORY_STATIC(LogTabManager, Log, All)

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
	ensureMsgf(!NomadSpawners.contains(TabId), TEXT("A nomad tab spawner named '%s' is already registered"), *TabId.ToString());
	UnregisterNomadTabSpawner(TabId);
	const TSharedRef<FTabSpawnerEntry> Entry = MakeShareable(new FTabSpawnerEntry(TabId, OnSpawnTab));
	NomadSpawners.emplace(TabId, Entry);
	return *Entry;
}

bool FGlobalTabmanager::UnregisterNomadTabSpawner(const FName TabId)
{
	const auto Found = NomadSpawners.find(TabId);
	if (Found == NomadSpawners.end())
	{
		return false;
	}
	if (const TSharedPtr<FWorkspaceItem> Group = Found->second->GetGroup())
	{
		Group->RemoveItem(StaticCastSharedRef<FWorkspaceItem>(Found->second));
	}
	NomadSpawners.erase(Found);
	return true;
}

bool FGlobalTabmanager::HasTabSpawner(FName TabId) const { return NomadSpawners.contains(TabId); }

TSharedPtr<FTabSpawnerEntry> FGlobalTabmanager::FindTabSpawner(const FName TabId) const
{
	const auto Found = NomadSpawners.find(TabId);
	return Found != NomadSpawners.end() ? TSharedPtr<FTabSpawnerEntry>(Found->second) : TSharedPtr<FTabSpawnerEntry>();
}

TSharedPtr<SDockTab> FGlobalTabmanager::FindExistingLiveTab(const FTabId& TabId) const
{
	const auto Found = LiveTabs.find(TabId.TabType);
	return Found != LiveTabs.end() ? TSharedPtr<SDockTab>(Found->second) : TSharedPtr<SDockTab>();
}

TSharedPtr<SDockTab> FGlobalTabmanager::TryInvokeTab(const FTabId& TabId)
{
	if (const TSharedPtr<SDockTab> Existing = FindExistingLiveTab(TabId))
	{
		return Existing;
	}
	const auto Found = NomadSpawners.find(TabId.TabType);
	if (Found == NomadSpawners.end() || !Found->second->GetSpawnDelegate().IsBound())
	{
		UE_LOG(LogTabManager, Warning, TEXT("Unable to spawn tab '%s' because no spawner is registered."), *TabId.ToString());
		return nullptr;
	}
	const TSharedRef<SDockTab> Tab = Found->second->GetSpawnDelegate().Execute(FSpawnTabArgs(nullptr, TabId));
	Tab->SetStandinTabId(TabId.TabType);
	LiveTabs.insert_or_assign(TabId.TabType, Tab);
	return Tab;
}

TSharedRef<SDockTab> FGlobalTabmanager::InvokeTab(const FTabId& TabId)
{
	const TSharedPtr<SDockTab> Tab = TryInvokeTab(TabId);
	checkf(Tab.IsValid(), TEXT("No tab spawner for '%s'"), *TabId.ToString());
	return Tab.ToSharedRef();
}

void FGlobalTabmanager::StandinForgetTab(const SDockTab& Tab)
{
	const auto Found = LiveTabs.find(Tab.GetStandinTabId());
	if (Found != LiveTabs.end() && Found->second.Get() == &Tab)
	{
		LiveTabs.erase(Found);
	}
}

void FGlobalTabmanager::StandinCloseAllTabs()
{
	const std::map<FName, TSharedRef<SDockTab>> Open = LiveTabs;
	for (const auto& [TabId, Tab] : Open)
	{
		Tab->RequestCloseTab();
	}
	LiveTabs.clear();
}
