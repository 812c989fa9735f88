#pragma once

#include "Styling/SlateBrush.h"

// An image drawn only as its frame: the margins, without the middle.
struct FSlateBorderBrush : public FSlateBrush
{
	FSlateBorderBrush(const FName& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1),
					  ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Border, InImageName, InMargin, ESlateBrushTileType::Both, InImageType, FVector2D(0, 0), InColorAndOpacity)
	{
	}
	FSlateBorderBrush(const FString& InImageName, const FMargin& InMargin, const FLinearColor& InColorAndOpacity = FLinearColor(1, 1, 1, 1),
					  ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBorderBrush(FName(*InImageName), InMargin, InColorAndOpacity, InImageType)
	{
	}
};
