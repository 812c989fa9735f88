// What the headless window knows of the engine's widgets by their type (GetType) and public API:
// their labels, whether a click is for them, and the state `show` prints.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

#include <string>

namespace Standin::Slate
{
FString LabelOf(const SWidget& Widget);
// Buttons, hyperlinks and check boxes: the widgets `click` is for.
bool IsClickable(const SWidget& Widget);
bool IsTextBlock(const SWidget& Widget);
bool IsTextBox(const SWidget& Widget);
// A notification's completion state, a progress bar's percentage or "marquee"; empty for others.
std::string DescribeState(const SWidget& Widget, const FGeometry& Geometry);
} // namespace Standin::Slate
