#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"

// Placement of a child along one axis: its offset from the start of the slot and its size.
struct AlignmentArrangeResult
{
	AlignmentArrangeResult(float InOffset, float InSize) : Offset(InOffset), Size(InSize) {}
	float Offset;
	float Size;
};

// Places a child of the given desired size in AllottedSize less the slot's padding, by the slot's
// alignment along that axis (HAlignment or VAlignment).
template <EOrientation Orientation, typename SlotType>
static AlignmentArrangeResult AlignChild(float AllottedSize, float ChildDesiredSize, const SlotType& ChildToArrange, const FMargin& SlotPadding,
										 const float& ContentScale = 1.0f, bool bClampToParent = true)
{
	const float MarginPre = Orientation == Orient_Horizontal ? SlotPadding.Left : SlotPadding.Top;
	const float MarginPost = Orientation == Orient_Horizontal ? SlotPadding.Right : SlotPadding.Bottom;
	const int32 Alignment = Orientation == Orient_Horizontal ? static_cast<int32>(ChildToArrange.HAlignment) : static_cast<int32>(ChildToArrange.VAlignment);
	const float TotalAvailable = FMath::Max(0.0f, AllottedSize - MarginPre - MarginPost);
	const float ChildSize = FMath::Max(0.0f, bClampToParent ? FMath::Min(ChildDesiredSize * ContentScale, TotalAvailable) : ChildDesiredSize * ContentScale);
	switch (Alignment)
	{
	case HAlign_Left: // and VAlign_Top
		return AlignmentArrangeResult(MarginPre, ChildSize);
	case HAlign_Center: // and VAlign_Center
		return AlignmentArrangeResult(MarginPre + (TotalAvailable - ChildSize) / 2.0f, ChildSize);
	case HAlign_Right: // and VAlign_Bottom
		return AlignmentArrangeResult(AllottedSize - MarginPost - ChildSize, ChildSize);
	default: // fill
		return AlignmentArrangeResult(MarginPre, TotalAvailable);
	}
}
