// The small value types of SlateCore: visibility, colours, brushes, slots, arranged children.
#include "Brushes/SlateNoResource.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Layout/LayoutUtils.h"
#include "Layout/Visibility.h"
#include "SlotBase.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Widgets/SLeafWidget.h"
#include "Widgets/SNullWidget.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

const EVisibility EVisibility::Visible(EVisibility::VIS_Visible);
const EVisibility EVisibility::Collapsed(EVisibility::VIS_Collapsed);
const EVisibility EVisibility::Hidden(EVisibility::VIS_Hidden);
const EVisibility EVisibility::HitTestInvisible(EVisibility::VIS_HitTestInvisible);
const EVisibility EVisibility::SelfHitTestInvisible(EVisibility::VIS_SelfHitTestInvisible);
const EVisibility EVisibility::All(EVisibility::VIS_All);

FString EVisibility::ToString() const
{
	if (*this == Visible)
	{
		return TEXT("Visible");
	}
	if (*this == Collapsed)
	{
		return TEXT("Collapsed");
	}
	if (*this == Hidden)
	{
		return TEXT("Hidden");
	}
	if (*this == HitTestInvisible)
	{
		return TEXT("HitTestInvisible");
	}
	return *this == SelfHitTestInvisible ? FString(TEXT("SelfHitTestInvisible")) : FString(TEXT("All"));
}

const FLinearColor& FSlateColor::GetColor(const FLinearColor& InheritedForeground) const
{
	return ColorUseRule == ESlateColorStylingMode::UseColor_Specified ? SpecifiedColor : InheritedForeground;
}

FSlateBrush::FSlateBrush()
	: ImageSize(32.0f, 32.0f), Margin(0), TintColor(FLinearColor::White), DrawAs(ESlateBrushDrawType::Image),
	  Tiling(ESlateBrushTileType::NoTile), Mirroring(ESlateBrushMirrorType::NoMirror), ImageType(ESlateBrushImageType::NoImage)
{
}

FSlateBrush::FSlateBrush(ESlateBrushDrawType::Type InDrawType, const FName InResourceName, const FMargin& InMargin,
						 ESlateBrushTileType::Type InTiling, ESlateBrushImageType::Type InImageType, const FVector2D& InImageSize,
						 const FLinearColor& InTint)
	: ImageSize(InImageSize), Margin(InMargin), TintColor(InTint), DrawAs(InDrawType), Tiling(InTiling),
	  Mirroring(ESlateBrushMirrorType::NoMirror), ImageType(InImageType), ResourceName(InResourceName)
{
}

namespace
{
// The empty widget behind SNullWidget::NullWidget.
class SNullWidgetContent : public SLeafWidget
{
public:
	SNullWidgetContent() { SetWidgetTypeName(FName(TEXT("SNullWidget"))); }

protected:
	FVector2D ComputeDesiredSize(float) const override { return FVector2D(0, 0); }
};
} // namespace

TSharedRef<SWidget> SNullWidget::NullWidget = TSharedRef<SWidget>(new SNullWidgetContent());

[[noreturn]] static void NoSuchChild()
{
	std::fprintf(stderr, "Fatal error: a widget without children was asked for a child\n");
	std::abort();
}

TSharedRef<SWidget> FNoChildren::GetChildAt(int32) { NoSuchChild(); }
TSharedRef<const SWidget> FNoChildren::GetChildAt(int32) const { NoSuchChild(); }

FChildren* SLeafWidget::GetChildren()
{
	static FNoChildren NoChildren;
	return &NoChildren;
}

FSlotBase::FSlotBase() : Widget(SNullWidget::NullWidget) {}

void FSlotBase::DetachWidget() { Widget = SNullWidget::NullWidget; }

bool FArrangedChildren::Accepts(EVisibility InVisibility) const
{
	// The filter names the kinds of visibility it lets through; Visible admits everything shown.
	if (VisibilityFilter == EVisibility::All)
	{
		return true;
	}
	return VisibilityFilter.IsVisible() ? InVisibility.IsVisible() : InVisibility == VisibilityFilter;
}

void FArrangedChildren::AddWidget(EVisibility VisibilityOverride, const FArrangedWidget& InWidgetGeometry)
{
	if (Accepts(VisibilityOverride))
	{
		Widgets.push_back(InWidgetGeometry);
	}
}

void FArrangedChildren::AddWidget(const FArrangedWidget& InWidgetGeometry)
{
	AddWidget(InWidgetGeometry.Widget->GetVisibility(), InWidgetGeometry);
}

AlignmentArrangeResult AlignChildOnAxis(float AllottedSize, float ChildDesiredSize, float MarginPre, float MarginPost, int32 Alignment)
{
	const float Available = std::max(0.0f, AllottedSize - MarginPre - MarginPost);
	const float ChildSize = std::min(ChildDesiredSize, Available);
	switch (Alignment)
	{
	case 1: // left, top
		return AlignmentArrangeResult(MarginPre, ChildSize);
	case 2: // centre
		return AlignmentArrangeResult(MarginPre + (Available - ChildSize) / 2.0f, ChildSize);
	case 3: // right, bottom
		return AlignmentArrangeResult(AllottedSize - MarginPost - ChildSize, ChildSize);
	default: // fill
		return AlignmentArrangeResult(MarginPre, Available);
	}
}
