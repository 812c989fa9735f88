// What the headless window knows of the engine's widgets by their type (GetType) and public API:
// their labels and whether a click is for them.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

namespace Standin::Slate
{
FString LabelOf(const SWidget& Widget);
// Buttons, hyperlinks and check boxes: the widgets `click` is for.
bool IsClickable(const SWidget& Widget);
bool IsTextBlock(const SWidget& Widget);
bool IsTextBox(const SWidget& Widget);
} // namespace Standin::Slate
