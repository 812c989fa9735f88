// What the global tab manager keeps: nomad spawners and the open tabs, shared with SDockTab (which
// leaves the open tabs when it is closed).
#pragma once

#include "CoreMinimal.h"

class SDockTab;

namespace Standin::Slate
{
void ForgetLiveTab(const SDockTab& Tab);
} // namespace Standin::Slate
