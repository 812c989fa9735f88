#pragma once

#include "CoreMinimal.h"

// An axis-aligned rectangle in slate units: left, top, right, bottom.
class FSlateRect
{
public:
	float Left = -1, Top = -1, Right = -1, Bottom = -1;

	explicit FSlateRect(float InLeft = -1, float InTop = -1, float InRight = -1, float InBottom = -1)
		: Left(InLeft), Top(InTop), Right(InRight), Bottom(InBottom)
	{
	}
	FSlateRect(const FVector2D& InStartPos, const FVector2D& InEndPos)
		: Left(InStartPos.X), Top(InStartPos.Y), Right(InEndPos.X), Bottom(InEndPos.Y)
	{
	}

	bool IsValid() const { return !(Left == -1 && Right == -1 && Bottom == -1 && Top == -1) && Right >= Left && Bottom >= Top; }
	bool IsEmpty() const { return GetSize().X <= 0 || GetSize().Y <= 0; }
	FVector2D GetSize() const { return FVector2D(Right - Left, Bottom - Top); }
	FVector2D GetCenter() const { return FVector2D(Left + (Right - Left) / 2, Top + (Bottom - Top) / 2); }
	FVector2D GetTopLeft() const { return FVector2D(Left, Top); }
	FVector2D GetBottomRight() const { return FVector2D(Right, Bottom); }
	bool ContainsPoint(const FVector2D& Point) const
	{
		return Point.X >= Left && Point.X <= Right && Point.Y >= Top && Point.Y <= Bottom;
	}
	FSlateRect IntersectionWith(const FSlateRect& Other) const
	{
		FSlateRect Result(FMath::Max(Left, Other.Left), FMath::Max(Top, Other.Top), FMath::Min(Right, Other.Right), FMath::Min(Bottom, Other.Bottom));
		if (Result.Left > Result.Right || Result.Top > Result.Bottom)
		{
			return FSlateRect(0, 0, 0, 0);
		}
		return Result;
	}

	bool operator==(const FSlateRect& Other) const
	{
		return Left == Other.Left && Top == Other.Top && Right == Other.Right && Bottom == Other.Bottom;
	}
	bool operator!=(const FSlateRect& Other) const { return !(*this == Other); }
};
