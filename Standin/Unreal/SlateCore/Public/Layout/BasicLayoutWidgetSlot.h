#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Types/SlateEnums.h"

template <typename MixedIntoType>
class TSupportsContentAlignmentMixin
{
public:
	TSupportsContentAlignmentMixin(const EHorizontalAlignment InHAlign = HAlign_Fill, const EVerticalAlignment InVAlign = VAlign_Fill)
		: HAlignment(InHAlign), VAlignment(InVAlign)
	{
	}

	MixedIntoType& HAlign(EHorizontalAlignment InHAlignment)
	{
		HAlignment = InHAlignment;
		return *static_cast<MixedIntoType*>(this);
	}
	MixedIntoType& VAlign(EVerticalAlignment InVAlignment)
	{
		VAlignment = InVAlignment;
		return *static_cast<MixedIntoType*>(this);
	}

	EHorizontalAlignment HAlignment;
	EVerticalAlignment VAlignment;
};

template <typename MixedIntoType>
class TSupportsContentPaddingMixin
{
public:
	MixedIntoType& Padding(const TAttribute<FMargin> InPadding)
	{
		SlotPadding = InPadding;
		return *static_cast<MixedIntoType*>(this);
	}
	MixedIntoType& Padding(float Uniform) { return Padding(TAttribute<FMargin>(FMargin(Uniform))); }
	MixedIntoType& Padding(float Horizontal, float Vertical) { return Padding(TAttribute<FMargin>(FMargin(Horizontal, Vertical))); }
	MixedIntoType& Padding(float Left, float Top, float Right, float Bottom)
	{
		return Padding(TAttribute<FMargin>(FMargin(Left, Top, Right, Bottom)));
	}

	TAttribute<FMargin> SlotPadding = FMargin(0);
};
