#pragma once

#include "Styling/SlateBrush.h"

// An image brush naming its PNG file.
struct FSlateImageBrush : public FSlateBrush
{
	FSlateImageBrush(const FName& InImageName, const FVector2D& InImageSize, const FLinearColor& InTint = FLinearColor(1, 1, 1, 1),
					 ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
					 ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, InImageName, FMargin(0), InTiling, InImageType, InImageSize, InTint)
	{
	}
	FSlateImageBrush(const FString& InImageName, const FVector2D& InImageSize, const FLinearColor& InTint = FLinearColor(1, 1, 1, 1))
		: FSlateImageBrush(FName(*InImageName), InImageSize, InTint)
	{
	}
};
