#include "FileHelpers.h"

#include "CoreGlobals.h"
#include "Standin/Packages.h"
#include "Standin/StringUtf8.h"
#include "UObject/Package.h"

DEFINE_LOG_CATEGORY_STATIC(LogFileHelpers, Log, All);

bool UEditorLoadingAndSavingUtils::SavePackages(const TArray<UPackage*>& PackagesToSave, bool bOnlyDirty)
{
	check(IsInGameThread());
	bool bAllSaved = true;
	for (UPackage* Package : PackagesToSave)
	{
		if (bOnlyDirty && Package != nullptr && !Package->IsDirty())
		{
			continue;
		}
		std::string Error;
		if (!Standin::Packages::SavePackage(Package, Error))
		{
			UE_LOG(LogFileHelpers, Error, TEXT("%s"), *Standin::FromUtf8(Error));
			bAllSaved = false;
		}
	}
	return bAllSaved;
}
