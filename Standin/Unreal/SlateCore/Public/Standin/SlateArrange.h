// Headless toolkit (not engine API): how the stand-in's widgets place a child in their area.
#pragma once

#include "CoreMinimal.h"
#include "Layout/ArrangedWidget.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"

namespace Standin::Slate
{
// The child placed in the area on both axes by a slot's padding and alignment, at its desired size.
FArrangedWidget PlaceInArea(const TSharedRef<SWidget>& Child, const FGeometry& Area, const FMargin& Padding, EHorizontalAlignment HAlign,
							EVerticalAlignment VAlign);
} // namespace Standin::Slate
