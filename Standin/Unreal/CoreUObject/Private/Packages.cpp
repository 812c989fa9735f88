#include "Standin/Packages.h"

#include "ObjectRegistry.h"
#include "PackageFile.h"

namespace Standin::Packages
{
bool SaveDirtyPackages(std::string& OutError)
{
	FObjectRegistry& Registry = FObjectRegistry::Get();
	std::lock_guard Lock(Registry.GetMutex());
	OutError.clear();
	for (FPackageRecord* Record : Registry.GetRecords())
	{
		if (!Record->Package->IsDirty())
		{
			continue;
		}
		std::string Error;
		if (!SavePackage(Record->Package, Error))
		{
			OutError += (OutError.empty() ? "" : "; ") + Error;
		}
	}
	return OutError.empty();
}

std::filesystem::path GetPackageFilename(const FString& PackageName)
{
	const std::filesystem::path Existing = FindPackageFile(PackageName);
	return Existing.empty() ? GetPackageFilePath(PackageName, "uasset") : Existing;
}

std::vector<FString> GetDirtyPackageNames()
{
	std::vector<FString> Names;
	for (FPackageRecord* Record : FObjectRegistry::Get().GetRecords())
	{
		if (Record->Package->IsDirty())
		{
			Names.push_back(Record->Package->GetName());
		}
	}
	return Names;
}
} // namespace Standin::Packages
