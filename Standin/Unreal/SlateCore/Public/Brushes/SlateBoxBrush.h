#pragma once

#include "Styling/SlateBrush.h"

// An image drawn as a box: its margins keep their size and the middle stretches.
struct FSlateBoxBrush : public FSlateBrush
{
	FSlateBoxBrush(const FName& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1),
				   ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, InImageName, InMargin, ESlateBrushTileType::NoTile, InImageType, FVector2D(0, 0), InColorAndOpacity)
	{
	}
	FSlateBoxBrush(const FString& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1),
				   ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBoxBrush(FName(*InImageName), InMargin, InColorAndOpacity, InImageType)
	{
	}
	FSlateBoxBrush(const FName& InImageName, const FVector2D& ImageSize, const FMargin& InMargin,
				   const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Box, InImageName, InMargin, ESlateBrushTileType::NoTile, InImageType, ImageSize, InColorAndOpacity)
	{
	}
	FSlateBoxBrush(const FString& InImageName, const FVector2D& ImageSize, const FMargin& InMargin,
				   const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1), ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBoxBrush(FName(*InImageName), ImageSize, InMargin, InColorAndOpacity, InImageType)
	{
	}
};
