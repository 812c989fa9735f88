#pragma once

#include "CoreMinimal.h"
#include "Layout/Geometry.h"
#include "Layout/SlateRect.h"

// A region draw elements are clipped to. Without render transforms every zone is axis-aligned.
class FSlateClippingZone
{
public:
	FVector2D TopLeft;
	FVector2D TopRight;
	FVector2D BottomLeft;
	FVector2D BottomRight;

	explicit FSlateClippingZone(const FSlateRect& AxisAlignedRect)
		: TopLeft(AxisAlignedRect.Left, AxisAlignedRect.Top), TopRight(AxisAlignedRect.Right, AxisAlignedRect.Top),
		  BottomLeft(AxisAlignedRect.Left, AxisAlignedRect.Bottom), BottomRight(AxisAlignedRect.Right, AxisAlignedRect.Bottom)
	{
	}
	explicit FSlateClippingZone(const FGeometry& BoundingGeometry) : FSlateClippingZone(BoundingGeometry.GetLayoutBoundingRect()) {}

	FSlateRect GetBoundingBox() const { return FSlateRect(TopLeft, BottomRight); }
	FSlateClippingZone Intersect(const FSlateClippingZone& Other) const
	{
		return FSlateClippingZone(GetBoundingBox().IntersectionWith(Other.GetBoundingBox()));
	}
};

// One entry of the clip stack: the zone that applies while it is on top.
class FSlateClippingState
{
public:
	explicit FSlateClippingState(const FSlateClippingZone& InScissorRect) : ScissorRect(InScissorRect) {}

	TOptional<FSlateClippingZone> ScissorRect;
};

// The clip stack of one element list: every state pushed, and which is in force.
class FSlateClippingManager
{
public:
	// Pushes a zone, intersected with the one in force, and gives its index.
	int32 PushClip(const FSlateClippingZone& InClippingZone);
	void PopClip();
	// The state in force; INDEX_NONE when nothing clips.
	int32 GetClippingIndex() const { return ClippingStack.Num() > 0 ? ClippingStack.Last() : INDEX_NONE; }
	const TArray<FSlateClippingState>& GetClippingStates() const { return ClippingStates; }
	void ResetClippingState();

private:
	TArray<int32> ClippingStack;
	TArray<FSlateClippingState> ClippingStates;
};
