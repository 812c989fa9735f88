#pragma once

#include "Styling/SlateBrush.h"

// An image brush whose resource name is the image's file path; the headless renderer reads the PNG
// from that path when it paints (a missing file draws nothing).
struct FSlateDynamicImageBrush : public FSlateBrush
{
	FSlateDynamicImageBrush(const FName InTextureName, const FVector2D& InImageSize,
							const FLinearColor& InTint = FLinearColor(1.0f, 1.0f, 1.0f, 1.0f),
							ESlateBrushTileType::Type InTiling = ESlateBrushTileType::NoTile,
							ESlateBrushImageType::Type InImageType = ESlateBrushImageType::FullColor)
		: FSlateBrush(ESlateBrushDrawType::Image, InTextureName, FMargin(0), InTiling, InImageType, InImageSize, InTint)
	{
	}
};
