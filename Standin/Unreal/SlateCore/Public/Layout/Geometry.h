#pragma once

#include "CoreMinimal.h"

// Where a widget was placed: its top-left corner in window space and its size (one unit a pixel;
// the headless toolkit has no render transforms or scaling).
struct FGeometry
{
	FVector2D AbsolutePosition = FVector2D(0, 0);
	FVector2D Size = FVector2D(0, 0);

	FGeometry() = default;
	FGeometry(const FVector2D& InAbsolutePosition, const FVector2D& InSize) : AbsolutePosition(InAbsolutePosition), Size(InSize) {}

	const FVector2D& GetLocalSize() const { return Size; }
	const FVector2D& GetAbsolutePosition() const { return AbsolutePosition; }
	FVector2D GetAbsoluteSize() const { return Size; }
	FGeometry MakeChild(const FVector2D& LocalOffset, const FVector2D& LocalSize) const
	{
		return FGeometry(AbsolutePosition + LocalOffset, LocalSize);
	}
	bool IsUnderLocation(const FVector2D& AbsoluteCoordinate) const
	{
		return AbsoluteCoordinate.X >= AbsolutePosition.X && AbsoluteCoordinate.Y >= AbsolutePosition.Y &&
			   AbsoluteCoordinate.X < AbsolutePosition.X + Size.X && AbsoluteCoordinate.Y < AbsolutePosition.Y + Size.Y;
	}
};
