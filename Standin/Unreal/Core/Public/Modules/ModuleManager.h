// Modules: IMPLEMENT_MODULE registers a module's factory when its library is loaded; LoadModule creates
// the module and runs StartupModule; UnloadModule runs ShutdownModule and deletes it.
#pragma once

#include "Misc/AssertionMacros.h"
#include "Modules/ModuleInterface.h"
#include "Templates/Function.h"
#include "UObject/NameTypes.h"

class FModuleManager
{
public:
	static FModuleManager& Get();

	IModuleInterface* LoadModule(const FName InModuleName);
	IModuleInterface& LoadModuleChecked(const FName InModuleName);
	IModuleInterface* GetModule(const FName InModuleName);
	bool IsModuleLoaded(const FName InModuleName) const;
	bool UnloadModule(const FName InModuleName, bool bIsShutdown = false);
	// Shuts down and deletes every loaded module, the last loaded first.
	void UnloadModulesAtShutdown();
	bool ModuleExists(const TCHAR* ModuleName) const;

	template <typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(const FName InModuleName)
	{
		return static_cast<TModuleInterface&>(Get().LoadModuleChecked(InModuleName));
	}

	template <typename TModuleInterface>
	static TModuleInterface* LoadModulePtr(const FName InModuleName)
	{
		return static_cast<TModuleInterface*>(Get().LoadModule(InModuleName));
	}

	template <typename TModuleInterface>
	static TModuleInterface& GetModuleChecked(const FName InModuleName)
	{
		IModuleInterface* Module = Get().GetModule(InModuleName);
		checkf(Module != nullptr, TEXT("Tried to get module interface for unloaded module: '%s'"), *InModuleName.ToString());
		return static_cast<TModuleInterface&>(*Module);
	}

	template <typename TModuleInterface>
	static TModuleInterface* GetModulePtr(const FName InModuleName)
	{
		return static_cast<TModuleInterface*>(Get().GetModule(InModuleName));
	}

	// Called by IMPLEMENT_MODULE while the module's library loads.
	void RegisterStaticModule(const FName InModuleName, TFunction<IModuleInterface*()> Initializer);
};

namespace Standin
{
struct FModuleRegistrar
{
	FModuleRegistrar(const TCHAR* ModuleName, TFunction<IModuleInterface*()> Initializer)
	{
		FModuleManager::Get().RegisterStaticModule(FName(ModuleName), Initializer);
	}
};
} // namespace Standin

#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName)                                                                 \
	static Standin::FModuleRegistrar ModuleRegistrar##ModuleName(TEXT(#ModuleName),                                   \
																 []() -> IModuleInterface* { return new ModuleImplClass(); });

#define IMPLEMENT_GAME_MODULE(ModuleImplClass, ModuleName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
#define IMPLEMENT_PRIMARY_GAME_MODULE(ModuleImplClass, ModuleName, GameName) IMPLEMENT_MODULE(ModuleImplClass, ModuleName)
