#include "ObjectRegistry.h"
#include "PackageFile.h"
#include "Standin/Packages.h"
#include "Standin/StringUtf8.h"

namespace Standin::Packages
{
bool SavePackage(UPackage* Package, std::string& OutError)
{
	if (Package == nullptr)
	{
		OutError = "cannot save a null package";
		return false;
	}
	FObjectRegistry& Registry = FObjectRegistry::Get();
	std::lock_guard Lock(Registry.GetMutex());
	FPackageRecord* Record = Registry.FindRecord(Package->GetName());
	if (Record == nullptr || Record->Package != Package)
	{
		OutError = "cannot save " + ToUtf8(Package->GetName()) + ": the package is not in memory";
		return false;
	}
	if (!SavePackageFile(*Record, OutError))
	{
		return false;
	}
	Package->SetDirtyFlag(false);
	Record->bLoadAttempted = true;
	return true;
}
} // namespace Standin::Packages
