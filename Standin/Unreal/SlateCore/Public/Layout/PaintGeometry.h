#pragma once

#include "CoreMinimal.h"

// Where a draw element goes: its top-left corner in window space, its size, and its scale (always 1
// in the headless toolkit, which has no render transforms).
struct FPaintGeometry
{
	FVector2D DrawPosition = FVector2D(0, 0);
	FVector2D DrawSize = FVector2D(0, 0);
	float DrawScale = 1.0f;

	FPaintGeometry() = default;
	FPaintGeometry(const FVector2D& InDrawPosition, const FVector2D& InDrawSize, float InDrawScale)
		: DrawPosition(InDrawPosition), DrawSize(InDrawSize), DrawScale(InDrawScale)
	{
	}

	const FVector2D& GetLocalSize() const { return DrawSize; }
};
