#pragma once

#include "Styling/SlateBrush.h"

// A brush that fills its rectangle with one colour.
struct FSlateColorBrush : public FSlateBrush
{
	FSlateColorBrush(const FLinearColor& InColor)
		: FSlateBrush(ESlateBrushDrawType::Box, NAME_None, FMargin(0), ESlateBrushTileType::NoTile,
					  ESlateBrushImageType::FullColor, FVector2D(0, 0), InColor)
	{
	}
};
