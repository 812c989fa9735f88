// Headless toolkit (not engine API): what the stand-in editor needs of the global tab manager
// beyond the engine's calls.
#pragma once

#include "CoreMinimal.h"

class FTabSpawnerEntry;

namespace Standin::Slate
{
// The nomad spawner registered for the tab, or null.
TSharedPtr<FTabSpawnerEntry> FindNomadTabSpawner(const FName TabId);
// Closes every open tab (each runs its OnTabClosed), as the editor does when it shuts down.
void CloseAllTabs();
} // namespace Standin::Slate
