// Stand-in only (not engine API): what the asset registry has been told, for tests.
#pragma once

#include <vector>

#include "Containers/UnrealString.h"

namespace Standin::AssetRegistry
{
// Object paths of the assets announced by FAssetRegistryModule::AssetCreated, in order.
std::vector<FString> GetCreatedAssets();
std::vector<FString> GetDeletedAssets();
} // namespace Standin::AssetRegistry
