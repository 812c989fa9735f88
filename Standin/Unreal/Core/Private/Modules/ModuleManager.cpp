#include "Modules/ModuleManager.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace
{
struct FModuleEntry
{
	TFunction<IModuleInterface*()> Initializer;
	std::unique_ptr<IModuleInterface> Module;
	int32 LoadOrder = 0;
};

struct FModuleState
{
	std::recursive_mutex Mutex;
	std::map<uint32, FModuleEntry> Entries;
	int32 NextLoadOrder = 1;
};

FModuleState& GetState()
{
	static FModuleState* State = new FModuleState();
	return *State;
}
} // namespace

FModuleManager& FModuleManager::Get()
{
	static FModuleManager Manager;
	return Manager;
}

void FModuleManager::RegisterStaticModule(const FName InModuleName, TFunction<IModuleInterface*()> Initializer)
{
	FModuleState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.Entries[InModuleName.GetComparisonIndex()].Initializer = std::move(Initializer);
}

IModuleInterface* FModuleManager::LoadModule(const FName InModuleName)
{
	FModuleState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	auto Found = State.Entries.find(InModuleName.GetComparisonIndex());
	if (Found == State.Entries.end() || !Found->second.Initializer)
	{
		return nullptr;
	}
	FModuleEntry& Entry = Found->second;
	if (!Entry.Module)
	{
		Entry.Module.reset(Entry.Initializer());
		Entry.LoadOrder = State.NextLoadOrder++;
		Entry.Module->StartupModule();
	}
	return Entry.Module.get();
}

IModuleInterface& FModuleManager::LoadModuleChecked(const FName InModuleName)
{
	IModuleInterface* Module = LoadModule(InModuleName);
	checkf(Module != nullptr, TEXT("Failed to load module: %s"), *InModuleName.ToString());
	return *Module;
}

IModuleInterface* FModuleManager::GetModule(const FName InModuleName)
{
	FModuleState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	auto Found = State.Entries.find(InModuleName.GetComparisonIndex());
	return Found == State.Entries.end() ? nullptr : Found->second.Module.get();
}

bool FModuleManager::IsModuleLoaded(const FName InModuleName) const
{
	return const_cast<FModuleManager*>(this)->GetModule(InModuleName) != nullptr;
}

bool FModuleManager::ModuleExists(const TCHAR* ModuleName) const
{
	FModuleState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	return State.Entries.count(FName(ModuleName).GetComparisonIndex()) > 0;
}

bool FModuleManager::UnloadModule(const FName InModuleName, bool)
{
	FModuleState& State = GetState();
	std::unique_ptr<IModuleInterface> Module;
	{
		std::lock_guard Lock(State.Mutex);
		auto Found = State.Entries.find(InModuleName.GetComparisonIndex());
		if (Found == State.Entries.end() || !Found->second.Module)
		{
			return false;
		}
		Found->second.Module->PreUnloadCallback();
		Found->second.Module->ShutdownModule();
		Module = std::move(Found->second.Module);
	}
	return true;
}

void FModuleManager::UnloadModulesAtShutdown()
{
	FModuleState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	for (;;)
	{
		FModuleEntry* Latest = nullptr;
		for (auto& Pair : State.Entries)
		{
			if (Pair.second.Module && (!Latest || Pair.second.LoadOrder > Latest->LoadOrder))
			{
				Latest = &Pair.second;
			}
		}
		if (!Latest)
		{
			return;
		}
		Latest->Module->PreUnloadCallback();
		Latest->Module->ShutdownModule();
		Latest->Module.reset();
	}
}
