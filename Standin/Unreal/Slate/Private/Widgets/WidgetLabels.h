#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

namespace Standin::Slate
{
// The label of the first labelled widget below Widget, depth first (a button's or check box's
// content); empty when there is none.
FString FindContentLabel(const SWidget& Widget);
} // namespace Standin::Slate
