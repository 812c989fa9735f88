#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateColor.h"

namespace ESlateBrushDrawType
{
enum Type
{
	NoDrawType,
	Box,
	Border,
	Image
};
}

namespace ESlateBrushTileType
{
enum Type
{
	NoTile,
	Horizontal,
	Vertical,
	Both
};
}

namespace ESlateBrushMirrorType
{
enum Type
{
	NoMirror,
	Horizontal,
	Vertical,
	Both
};
}

namespace ESlateBrushImageType
{
enum Type
{
	NoImage,
	FullColor,
	Linear
};
}

// How to draw a rectangle: an image (named by its resource name), drawn whole, as a box or as a
// border, or nothing. A brush that names no resource draws its tint as a plain colour.
struct FSlateBrush
{
	FSlateBrush();
	virtual ~FSlateBrush() = default;

	FVector2D ImageSize;
	FMargin Margin;
	FSlateColor TintColor;
	ESlateBrushDrawType::Type DrawAs;
	ESlateBrushTileType::Type Tiling;
	ESlateBrushMirrorType::Type Mirroring;
	ESlateBrushImageType::Type ImageType;

	const FName GetResourceName() const { return ResourceName; }
	void SetResourceObject(class UObject* InResourceObject) { ResourceObject = InResourceObject; }
	class UObject* GetResourceObject() const { return ResourceObject; }
	const FVector2D& GetImageSize() const { return ImageSize; }
	const FMargin& GetMargin() const { return Margin; }
	ESlateBrushDrawType::Type GetDrawType() const { return DrawAs; }
	FLinearColor GetTint(const FWidgetStyle& InWidgetStyle) const { return TintColor.GetColor(InWidgetStyle); }

protected:
	FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin,
				ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType, const FVector2D& InImageSize,
				const FLinearColor& InTint);

	FName ResourceName;
	class UObject* ResourceObject = nullptr;
};
