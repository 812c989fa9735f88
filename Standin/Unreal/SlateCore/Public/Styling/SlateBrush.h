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

// How to draw a rectangle: an image file (resource name), a box or border, or nothing.
//
// The headless renderer draws a Box or Border brush that names no file as a flat rectangle of its
// tint (a Border only as its frame), and an Image brush as the PNG file its resource name names.
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
	FLinearColor GetTint(const FLinearColor& InheritedForeground) const { return TintColor.GetColor(InheritedForeground); }

	// The headless renderer's extras: corner rounding and a frame colour for Box brushes.
	float StandinCornerRadius = 0;
	FLinearColor StandinOutlineColor = FLinearColor(0, 0, 0, 0);

protected:
	FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin,
				ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType, const FVector2D& InImageSize,
				const FLinearColor& InTint);

	FName ResourceName;
	class UObject* ResourceObject = nullptr;
};
