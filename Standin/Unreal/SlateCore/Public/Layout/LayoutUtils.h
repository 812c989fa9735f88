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

// Places a child of the given desired size in AllottedSize minus the margins, by alignment
// (0 fill, 1 start, 2 centre, 3 end: both EHorizontalAlignment and EVerticalAlignment use it).
AlignmentArrangeResult AlignChildOnAxis(float AllottedSize, float ChildDesiredSize, float MarginPre, float MarginPost, int32 Alignment);

template <EOrientation Orientation>
AlignmentArrangeResult AlignChild(float AllottedSize, float ChildDesiredSize, const FMargin& Margin, int32 Alignment)
{
	return Orientation == Orient_Horizontal ? AlignChildOnAxis(AllottedSize, ChildDesiredSize, Margin.Left, Margin.Right, Alignment)
											: AlignChildOnAxis(AllottedSize, ChildDesiredSize, Margin.Top, Margin.Bottom, Alignment);
}
