#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "SlotBase.h"
#include "Styling/SlateColor.h"
#include "Widgets/SWidget.h"

// The one slot of a compound widget: content, alignment and padding.
class FSimpleSlot : public FChildren,
					public TSlotBase<FSimpleSlot>,
					public TSupportsContentAlignmentMixin<FSimpleSlot>,
					public TSupportsContentPaddingMixin<FSimpleSlot>
{
public:
	FSimpleSlot() : TSupportsContentAlignmentMixin<FSimpleSlot>(HAlign_Fill, VAlign_Fill) {}

	int32 Num() const override { return 1; }
	TSharedRef<SWidget> GetChildAt(int32 Index) override { return GetWidget(); }
	TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return GetWidget(); }
};

// A widget made of other widgets, held in its ChildSlot.
class SCompoundWidget : public SWidget
{
public:
	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	FChildren* GetChildren() override { return &ChildSlot; }
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	FSlateColor GetForegroundColor() const override { return ForegroundColor.Get(FSlateColor::UseForeground()); }

	FLinearColor GetColorAndOpacity() const { return ColorAndOpacity.Get(FLinearColor::White); }
	void SetColorAndOpacity(const TAttribute<FLinearColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }
	void SetForegroundColor(const TAttribute<FSlateColor>& InForegroundColor) { ForegroundColor = InForegroundColor; }

protected:
	SCompoundWidget();
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

	FSimpleSlot ChildSlot;
	TAttribute<FLinearColor> ColorAndOpacity;
	TAttribute<FSlateColor> ForegroundColor;
};
