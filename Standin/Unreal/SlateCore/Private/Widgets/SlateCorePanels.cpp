// Layout of the SlateCore panels: compound widgets, boxes, overlays, images.
#include "Layout/ArrangedChildren.h"
#include "Layout/LayoutUtils.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlateArrange.h"
#include "Standin/SlatePaint.h"
#include "Styling/WidgetStyle.h"
#include "Types/PaintArgs.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SOverlay.h"

#include <algorithm>

namespace
{
float Along(const FVector2D& Vector, EOrientation Orientation) { return Orientation == Orient_Horizontal ? Vector.X : Vector.Y; }
float Across(const FVector2D& Vector, EOrientation Orientation) { return Orientation == Orient_Horizontal ? Vector.Y : Vector.X; }
FVector2D Make(float AlongValue, float AcrossValue, EOrientation Orientation)
{
	return Orientation == Orient_Horizontal ? FVector2D(AlongValue, AcrossValue) : FVector2D(AcrossValue, AlongValue);
}
} // namespace

namespace Standin::Slate
{
FArrangedWidget PlaceInArea(const TSharedRef<SWidget>& Child, const FGeometry& Area, const FMargin& Padding, EHorizontalAlignment HAlign,
							EVerticalAlignment VAlign)
{
	struct FAlignment
	{
		EHorizontalAlignment HAlignment;
		EVerticalAlignment VAlignment;
	} const Alignment{HAlign, VAlign};
	const FVector2D Desired = Child->GetDesiredSize();
	const AlignmentArrangeResult X = AlignChild<Orient_Horizontal>(Area.Size.X, Desired.X, Alignment, Padding);
	const AlignmentArrangeResult Y = AlignChild<Orient_Vertical>(Area.Size.Y, Desired.Y, Alignment, Padding);
	return FArrangedWidget(Child, Area.MakeChild(FVector2D(X.Offset, Y.Offset), FVector2D(X.Size, Y.Size)));
}
} // namespace Standin::Slate

using Standin::Slate::PlaceInArea;

SCompoundWidget::SCompoundWidget() : ColorAndOpacity(FLinearColor::White), ForegroundColor(FSlateColor::UseForeground()) {}

int32 SCompoundWidget::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
							   FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	FArrangedChildren ArrangedChildren(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, ArrangedChildren);
	if (ArrangedChildren.Num() == 0)
	{
		return LayerId;
	}
	FWidgetStyle CompoundedWidgetStyle = FWidgetStyle(InWidgetStyle).BlendColorAndOpacityTint(ColorAndOpacity.Get()).SetForegroundColor(GetForegroundColor());
	const FArrangedWidget& TheChild = ArrangedChildren[0];
	return TheChild.Widget->Paint(Args.WithNewParent(this), TheChild.Geometry, MyCullingRect, OutDrawElements, LayerId + 1, CompoundedWidgetStyle,
								  ShouldBeEnabled(bParentEnabled));
}

int32 SPanel::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
					  FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	FArrangedChildren ArrangedChildren(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, ArrangedChildren);
	return PaintArrangedChildren(Args, ArrangedChildren, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bParentEnabled);
}

int32 SPanel::PaintArrangedChildren(const FPaintArgs& Args, const FArrangedChildren& ArrangedChildren, const FSlateRect& MyCullingRect,
									FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	int32 MaxLayerId = LayerId;
	const FPaintArgs NewArgs = Args.WithNewParent(this);
	const bool bForwardedEnabled = ShouldBeEnabled(bParentEnabled);
	for (const FArrangedWidget& CurWidget : ArrangedChildren)
	{
		MaxLayerId = std::max(MaxLayerId, CurWidget.Widget->Paint(NewArgs, CurWidget.Geometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle,
																	bForwardedEnabled));
	}
	return MaxLayerId;
}

FVector2D SCompoundWidget::ComputeDesiredSize(float) const
{
	const TSharedRef<SWidget>& Child = ChildSlot.GetWidget();
	if (Child->GetVisibility() == EVisibility::Collapsed)
	{
		return FVector2D(0, 0);
	}
	return Child->GetDesiredSize() + ChildSlot.SlotPadding.Get().GetDesiredSize();
}

void SCompoundWidget::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const TSharedRef<SWidget>& Child = ChildSlot.GetWidget();
	const EVisibility ChildVisibility = Child->GetVisibility();
	if (ArrangedChildren.Accepts(ChildVisibility))
	{
		ArrangedChildren.AddWidget(ChildVisibility, PlaceInArea(Child, AllottedGeometry, ChildSlot.SlotPadding.Get(),
																ChildSlot.HAlignment, ChildSlot.VAlignment));
	}
}

FVector2D SBoxPanel::ComputeDesiredSize(float) const
{
	float TotalAlong = 0, MaxAcross = 0;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		const TSharedRef<SWidget>& Child = Slot.GetWidget();
		if (Child->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		const FVector2D Padding = Slot.SlotPadding.Get().GetDesiredSize();
		float ChildAlong = Along(Child->GetDesiredSize(), Orientation);
		const float MaxSize = Slot.MaxSize.Get(0.0f);
		if (MaxSize > 0)
		{
			ChildAlong = std::min(ChildAlong, MaxSize);
		}
		TotalAlong += ChildAlong + Along(Padding, Orientation);
		MaxAcross = std::max(MaxAcross, Across(Child->GetDesiredSize(), Orientation) + Across(Padding, Orientation));
	}
	return Make(TotalAlong, MaxAcross, Orientation);
}

void SBoxPanel::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	// Auto slots take their content's size; stretch slots share what is left by their weights.
	float StretchSum = 0, FixedTotal = 0;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		if (Slot.GetWidget()->GetVisibility() == EVisibility::Collapsed)
		{
			continue;
		}
		FixedTotal += Along(Slot.SlotPadding.Get().GetDesiredSize(), Orientation);
		if (Slot.SizeParam.SizeRule == FSizeParam::SizeRule_Stretch)
		{
			StretchSum += Slot.SizeParam.Value.Get(1.0f);
		}
		else
		{
			const float MaxSize = Slot.MaxSize.Get(0.0f);
			const float ChildAlong = Along(Slot.GetWidget()->GetDesiredSize(), Orientation);
			FixedTotal += MaxSize > 0 ? std::min(ChildAlong, MaxSize) : ChildAlong;
		}
	}
	const float Allotted = Along(AllottedGeometry.Size, Orientation);
	const float AllottedAcross = Across(AllottedGeometry.Size, Orientation);
	const float NonFixed = std::max(0.0f, Allotted - FixedTotal);

	float Position = 0;
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FSlot& Slot = Children[Index];
		const TSharedRef<SWidget>& Child = Slot.GetWidget();
		const EVisibility ChildVisibility = Child->GetVisibility();
		if (ChildVisibility == EVisibility::Collapsed)
		{
			continue;
		}
		const FMargin Padding = Slot.SlotPadding.Get();
		const FVector2D Desired = Child->GetDesiredSize();
		const float MaxSize = Slot.MaxSize.Get(0.0f);
		float ContentAlong = Slot.SizeParam.SizeRule == FSizeParam::SizeRule_Stretch
								 ? (StretchSum > 0 ? NonFixed * Slot.SizeParam.Value.Get(1.0f) / StretchSum : 0.0f)
								 : Along(Desired, Orientation);
		if (MaxSize > 0)
		{
			ContentAlong = std::min(ContentAlong, MaxSize);
		}
		const float SlotAlong = ContentAlong + Along(Padding.GetDesiredSize(), Orientation);

		const bool bHorizontal = Orientation == Orient_Horizontal;
		const AlignmentArrangeResult X = AlignChild<Orient_Horizontal>(bHorizontal ? SlotAlong : AllottedAcross, Desired.X, Slot, Padding);
		const AlignmentArrangeResult Y = AlignChild<Orient_Vertical>(bHorizontal ? AllottedAcross : SlotAlong, Desired.Y, Slot, Padding);
		const FVector2D Offset = bHorizontal ? FVector2D(Position + X.Offset, Y.Offset) : FVector2D(X.Offset, Position + Y.Offset);
		ArrangedChildren.AddWidget(ChildVisibility, FArrangedWidget(Child, AllottedGeometry.MakeChild(Offset, FVector2D(X.Size, Y.Size))));
		Position += SlotAlong;
	}
}

int32 SBoxPanel::RemoveSlot(const TSharedRef<SWidget>& SlotWidget)
{
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		if (Children[Index].GetWidget() == SlotWidget)
		{
			Children.RemoveAt(Index);
			return Index;
		}
	}
	return -1;
}

void SHorizontalBox::Construct(const FArguments& InArgs)
{
	for (FSlot* Slot : InArgs.Slots)
	{
		Children.Add(Slot);
	}
}

SHorizontalBox::FSlot& SHorizontalBox::AddSlot()
{
	FSlot* Slot = new FSlot();
	Children.Add(Slot);
	return *Slot;
}

void SVerticalBox::Construct(const FArguments& InArgs)
{
	for (FSlot* Slot : InArgs.Slots)
	{
		Children.Add(Slot);
	}
}

SVerticalBox::FSlot& SVerticalBox::AddSlot()
{
	FSlot* Slot = new FSlot();
	Children.Add(Slot);
	return *Slot;
}

void SOverlay::Construct(const FArguments& InArgs)
{
	for (FOverlaySlot* Slot : InArgs.Slots)
	{
		Children.Add(Slot);
	}
}

SOverlay::FOverlaySlot& SOverlay::AddSlot()
{
	FOverlaySlot* Slot = new FOverlaySlot();
	Children.Add(Slot);
	return *Slot;
}

FVector2D SOverlay::ComputeDesiredSize(float) const
{
	FVector2D Size(0, 0);
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FOverlaySlot& Slot = Children[Index];
		if (Slot.GetWidget()->GetVisibility() != EVisibility::Collapsed)
		{
			const FVector2D ChildSize = Slot.GetWidget()->GetDesiredSize() + Slot.SlotPadding.Get().GetDesiredSize();
			Size = FVector2D(std::max(Size.X, ChildSize.X), std::max(Size.Y, ChildSize.Y));
		}
	}
	return Size;
}

int32 SOverlay::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
						FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	FArrangedChildren ArrangedChildren(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, ArrangedChildren);
	int32 MaxLayerId = LayerId;
	const FPaintArgs NewArgs = Args.WithNewParent(this);
	const bool bShouldBeEnabled = ShouldBeEnabled(bParentEnabled);
	for (int32 ChildIndex = 0; ChildIndex < ArrangedChildren.Num(); ++ChildIndex)
	{
		// Each slot starts above everything the slots before it painted.
		if (ChildIndex > 0)
		{
			++MaxLayerId;
		}
		const FArrangedWidget& CurWidget = ArrangedChildren[ChildIndex];
		MaxLayerId = std::max(MaxLayerId, CurWidget.Widget->Paint(NewArgs, CurWidget.Geometry, MyCullingRect, OutDrawElements, MaxLayerId,
																	InWidgetStyle, bShouldBeEnabled));
	}
	return MaxLayerId;
}

void SOverlay::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	for (int32 Index = 0; Index < Children.Num(); ++Index)
	{
		const FOverlaySlot& Slot = Children[Index];
		const EVisibility ChildVisibility = Slot.GetWidget()->GetVisibility();
		if (ArrangedChildren.Accepts(ChildVisibility))
		{
			ArrangedChildren.AddWidget(ChildVisibility, PlaceInArea(Slot.GetWidget(), AllottedGeometry, Slot.SlotPadding.Get(),
																	Slot.HAlignment, Slot.VAlignment));
		}
	}
}

void SImage::Construct(const FArguments& InArgs)
{
	Image = InArgs._Image;
	ColorAndOpacity = InArgs._ColorAndOpacity;
}

FVector2D SImage::ComputeDesiredSize(float) const
{
	const FSlateBrush* Brush = Image.Get(nullptr);
	return Brush ? Brush->ImageSize : FVector2D(0, 0);
}

int32 SImage::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
					  FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FSlateBrush* ImageBrush = Image.Get(nullptr);
	if (ImageBrush && ImageBrush->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		const ESlateDrawEffect DrawEffects = ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
		using Standin::Slate::Multiply;
		const FLinearColor FinalColorAndOpacity = Multiply(Multiply(InWidgetStyle.GetColorAndOpacityTint(), ColorAndOpacity.Get().GetColor(InWidgetStyle)),
														   ImageBrush->GetTint(InWidgetStyle));
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), ImageBrush, DrawEffects, FinalColorAndOpacity);
	}
	return LayerId;
}
