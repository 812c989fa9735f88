#pragma once

#include "CoreMinimal.h"
#include "Layout/PaintGeometry.h"
#include "Layout/SlateRect.h"

// Where a widget was placed: its top-left corner in window space and its size (one unit a pixel;
// the headless toolkit has no render transforms and its scale is always 1).
struct FGeometry
{
	FVector2D Size = FVector2D(0, 0);
	float Scale = 1.0f;
	FVector2D AbsolutePosition = FVector2D(0, 0);
	FVector2D Position = FVector2D(0, 0);

	FGeometry() = default;
	FGeometry(const FVector2D& OffsetFromParent, const FVector2D& ParentAbsolutePosition, const FVector2D& InLocalSize, float InScale)
		: Size(InLocalSize), Scale(InScale), AbsolutePosition(ParentAbsolutePosition + OffsetFromParent * InScale), Position(OffsetFromParent)
	{
	}

	const FVector2D& GetLocalSize() const { return Size; }
	const FVector2D& GetAbsolutePosition() const { return AbsolutePosition; }
	FVector2D GetAbsoluteSize() const { return Size * Scale; }

	FGeometry MakeChild(const FVector2D& ChildOffset, const FVector2D& InLocalSize, float InScale = 1.0f) const
	{
		return FGeometry(ChildOffset, AbsolutePosition, InLocalSize, Scale * InScale);
	}
	FPaintGeometry ToPaintGeometry() const { return FPaintGeometry(AbsolutePosition, Size * Scale, Scale); }
	FPaintGeometry ToPaintGeometry(const FVector2D& InLocalOffset, const FVector2D& InLocalSize, float InLocalScale = 1.0f) const
	{
		return MakeChild(InLocalOffset, InLocalSize, InLocalScale).ToPaintGeometry();
	}
	FPaintGeometry ToOffsetPaintGeometry(const FVector2D& LocalOffset) const { return ToPaintGeometry(LocalOffset, Size); }

	FVector2D LocalToAbsolute(const FVector2D& LocalCoordinate) const { return AbsolutePosition + LocalCoordinate * Scale; }
	FVector2D AbsoluteToLocal(const FVector2D& AbsoluteCoordinate) const { return (AbsoluteCoordinate - AbsolutePosition) * (1.0f / Scale); }
	FSlateRect GetLayoutBoundingRect() const { return FSlateRect(AbsolutePosition, AbsolutePosition + GetAbsoluteSize()); }

	bool IsUnderLocation(const FVector2D& AbsoluteCoordinate) const
	{
		const FVector2D AbsoluteSize = GetAbsoluteSize();
		return AbsoluteCoordinate.X >= AbsolutePosition.X && AbsoluteCoordinate.Y >= AbsolutePosition.Y &&
			   AbsoluteCoordinate.X < AbsolutePosition.X + AbsoluteSize.X && AbsoluteCoordinate.Y < AbsolutePosition.Y + AbsoluteSize.Y;
	}
	bool operator==(const FGeometry& Other) const
	{
		return Size == Other.Size && Scale == Other.Scale && AbsolutePosition == Other.AbsolutePosition && Position == Other.Position;
	}
	bool operator!=(const FGeometry& Other) const { return !(*this == Other); }
};
