#pragma once

#include "CoreMinimal.h"

// What a .uplugin file says about its plugin.
struct FPluginDescriptor
{
	int32 FileVersion = 3;
	int32 Version = 0;
	FString VersionName;
	FString FriendlyName;
	FString Description;
	FString Category;
	FString CreatedBy;
	FString CreatedByURL;
	FString DocsURL;
	FString MarketplaceURL;
	FString SupportURL;
	FString EngineVersion;
	bool bCanContainContent = false;
	bool bIsBetaVersion = false;
	bool bInstalled = false;
	bool bEnabledByDefault = false;

	// Reads a descriptor file; false with the reason when it cannot be read or parsed.
	bool Load(const FString& FileName, FText& OutFailReason);
	bool Read(const FString& Text, FText& OutFailReason);
};
