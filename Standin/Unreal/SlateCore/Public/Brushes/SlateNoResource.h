#pragma once

#include "Styling/SlateBrush.h"

// A brush that draws nothing.
struct FSlateNoResource : public FSlateBrush
{
	FSlateNoResource(const FVector2D& InImageSize = FVector2D::ZeroVector)
		: FSlateBrush(ESlateBrushDrawType::NoDrawType, NAME_None, FMargin(0), ESlateBrushTileType::NoTile,
					  ESlateBrushImageType::NoImage, InImageSize, FLinearColor::White)
	{
	}
};
