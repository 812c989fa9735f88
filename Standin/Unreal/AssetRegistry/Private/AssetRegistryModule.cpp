#include "AssetRegistryModule.h"

#include <mutex>

#include "CoreGlobals.h"
#include "Modules/ModuleManager.h"
#include "Standin/AssetRegistry.h"
#include "UObject/Object.h"

namespace
{
struct FAnnouncements
{
	std::mutex Mutex;
	std::vector<FString> Created;
	std::vector<FString> Deleted;
};

FAnnouncements& GetAnnouncements()
{
	static FAnnouncements Announcements;
	return Announcements;
}

void Record(std::vector<FString> FAnnouncements::*List, UObject* Asset)
{
	if (!GIsEditor || Asset == nullptr)
	{
		return;
	}
	// As in the engine, the registry module is loaded on first use.
	FModuleManager::LoadModuleChecked<FAssetRegistryModule>(FName("AssetRegistry"));
	FAnnouncements& Announcements = GetAnnouncements();
	std::lock_guard Lock(Announcements.Mutex);
	(Announcements.*List).push_back(Asset->GetPathName());
}

std::vector<FString> Read(std::vector<FString> FAnnouncements::*List)
{
	FAnnouncements& Announcements = GetAnnouncements();
	std::lock_guard Lock(Announcements.Mutex);
	return Announcements.*List;
}
} // namespace

void FAssetRegistryModule::AssetCreated(UObject* NewAsset)
{
	Record(&FAnnouncements::Created, NewAsset);
}

void FAssetRegistryModule::AssetDeleted(UObject* DeletedAsset)
{
	Record(&FAnnouncements::Deleted, DeletedAsset);
}

namespace Standin::AssetRegistry
{
std::vector<FString> GetCreatedAssets()
{
	return Read(&FAnnouncements::Created);
}

std::vector<FString> GetDeletedAssets()
{
	return Read(&FAnnouncements::Deleted);
}
} // namespace Standin::AssetRegistry

IMPLEMENT_MODULE(FAssetRegistryModule, AssetRegistry)
