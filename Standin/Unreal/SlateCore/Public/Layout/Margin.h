#pragma once

#include "CoreMinimal.h"
#include "Types/SlateEnums.h"

// Space around a widget, in slate units.
struct FMargin
{
	float Left = 0, Top = 0, Right = 0, Bottom = 0;

	FMargin() = default;
	FMargin(float UniformMargin) : Left(UniformMargin), Top(UniformMargin), Right(UniformMargin), Bottom(UniformMargin) {}
	FMargin(float Horizontal, float Vertical) : Left(Horizontal), Top(Vertical), Right(Horizontal), Bottom(Vertical) {}
	FMargin(float InLeft, float InTop, float InRight, float InBottom) : Left(InLeft), Top(InTop), Right(InRight), Bottom(InBottom) {}
	FMargin(const FVector2D& InVector) : Left(InVector.X), Top(InVector.Y), Right(InVector.X), Bottom(InVector.Y) {}

	FVector2D GetDesiredSize() const { return FVector2D(Left + Right, Top + Bottom); }
	template <EOrientation Orientation>
	float GetTotalSpaceAlong() const
	{
		return Orientation == Orient_Horizontal ? Left + Right : Top + Bottom;
	}

	FMargin operator+(const FMargin& Other) const { return FMargin(Left + Other.Left, Top + Other.Top, Right + Other.Right, Bottom + Other.Bottom); }
	bool operator==(const FMargin& Other) const
	{
		return Left == Other.Left && Top == Other.Top && Right == Other.Right && Bottom == Other.Bottom;
	}
	bool operator!=(const FMargin& Other) const { return !(*this == Other); }
};
