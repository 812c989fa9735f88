#pragma once

#include "CoreMinimal.h"
#include "PluginDescriptor.h"

// A plugin found below the project's Plugins folder.
class IPlugin
{
public:
	virtual ~IPlugin() = default;
	virtual FString GetName() const = 0;
	virtual FString GetFriendlyName() const = 0;
	virtual FString GetDescriptorFileName() const = 0;
	virtual FString GetBaseDir() const = 0;
	virtual FString GetContentDir() const = 0;
	virtual bool IsEnabled() const = 0;
	virtual bool CanContainContent() const = 0;
	virtual const FPluginDescriptor& GetDescriptor() const = 0;
};

// The plugins of the project: each Plugins/**/<Name>.uplugin file is a plugin named <Name>. The
// stand-in reads the folder afresh at each call, so it follows the project that is open.
class IPluginManager
{
public:
	virtual ~IPluginManager() = default;
	static IPluginManager& Get();

	virtual TSharedPtr<IPlugin> FindPlugin(const FString& Name) = 0;
	virtual TArray<TSharedRef<IPlugin>> GetDiscoveredPlugins() = 0;
	virtual TArray<TSharedRef<IPlugin>> GetEnabledPlugins() = 0;
};
