#pragma once

#include "CoreMinimal.h"
#include "Layout/Geometry.h"

class SWidget;

// A child widget together with the geometry its parent gave it.
struct FArrangedWidget
{
	FArrangedWidget(const TSharedRef<SWidget>& InWidget, const FGeometry& InGeometry) : Widget(InWidget), Geometry(InGeometry) {}

	SWidget* GetWidgetPtr() const { return &*Widget; }

	TSharedRef<SWidget> Widget;
	FGeometry Geometry;
};

// A widget of an input event's path with its geometry.
struct FWidgetAndPointer : public FArrangedWidget
{
	explicit FWidgetAndPointer(const FArrangedWidget& InWidget) : FArrangedWidget(InWidget) {}
};
