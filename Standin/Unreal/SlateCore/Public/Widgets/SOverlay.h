#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "SlotBase.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

// Children stacked on top of each other, each in the whole area; later slots are drawn on top.
class SOverlay : public SPanel
{
public:
	class FOverlaySlot : public TSlotBase<FOverlaySlot>,
						 public TSupportsContentAlignmentMixin<FOverlaySlot>,
						 public TSupportsContentPaddingMixin<FOverlaySlot>
	{
	public:
		FOverlaySlot() : TSupportsContentAlignmentMixin<FOverlaySlot>(HAlign_Fill, VAlign_Fill) {}
	};

	static FOverlaySlot& Slot() { return *(new FOverlaySlot()); }

	SLATE_BEGIN_ARGS(SOverlay) {}
	SLATE_SUPPORTS_SLOT(SOverlay::FOverlaySlot)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	FOverlaySlot& AddSlot();
	int32 GetNumWidgets() const { return Children.Num(); }

	FChildren* GetChildren() override { return &Children; }
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	// Each slot is painted above the layers of the slots before it.
	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

	TPanelChildren<FOverlaySlot> Children;
};
