// The small value types of SlateCore: visibility, colours, brushes, slots, arranged children.
#include "Brushes/SlateNoResource.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Layout/Visibility.h"
#include "SlotBase.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/WidgetStyle.h"
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

const FLinearColor& FSlateColor::GetColor(const FWidgetStyle& InWidgetStyle) const
{
	switch (ColorUseRule)
	{
	case ESlateColorStylingMode::UseColor_Foreground:
		return InWidgetStyle.GetForegroundColor();
	case ESlateColorStylingMode::UseColor_Foreground_Subdued:
		return InWidgetStyle.GetSubduedForegroundColor();
	default:
		return SpecifiedColor;
	}
}

namespace
{
// How much less opaque the subdued foreground is than the foreground.
constexpr float SubdueAmount = 0.6f;

FLinearColor Subdued(const FLinearColor& Foreground) { return FLinearColor(Foreground.R, Foreground.G, Foreground.B, Foreground.A * SubdueAmount); }
} // namespace

FWidgetStyle::FWidgetStyle()
	: ColorAndOpacityTint(FLinearColor::White), ForegroundColor(FLinearColor::White), SubduedForeground(Subdued(FLinearColor::White))
{
}

FWidgetStyle& FWidgetStyle::BlendColorAndOpacityTint(const FLinearColor& InTint)
{
	ColorAndOpacityTint = FLinearColor(ColorAndOpacityTint.R * InTint.R, ColorAndOpacityTint.G * InTint.G, ColorAndOpacityTint.B * InTint.B,
									   ColorAndOpacityTint.A * InTint.A);
	return *this;
}

FWidgetStyle& FWidgetStyle::SetColorAndOpacityTint(const FLinearColor& InTint)
{
	ColorAndOpacityTint = InTint;
	return *this;
}

FWidgetStyle& FWidgetStyle::SetForegroundColor(const TAttribute<FSlateColor>& InForeground)
{
	// "Use foreground" resolves against the foreground being replaced.
	return SetForegroundColor(InForeground.Get(FSlateColor::UseForeground()).GetColor(*this));
}

FWidgetStyle& FWidgetStyle::SetForegroundColor(const FLinearColor& InForeground)
{
	ForegroundColor = InForeground;
	SubduedForeground = Subdued(InForeground);
	return *this;
}

FWidgetStyle& FWidgetStyle::BlendOpacity(float InOpacity)
{
	ColorAndOpacityTint.A *= InOpacity;
	return *this;
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
	SNullWidgetContent()
	{
		SetDebugInfo("SNullWidget", __FILE__, __LINE__, sizeof(SNullWidgetContent));
		// Empty space takes no clicks: they go to whatever is under it.
		SetVisibility(EVisibility::SelfHitTestInvisible);
	}

private:
	int32 OnPaint(const FPaintArgs&, const FGeometry&, const FSlateRect&, FSlateWindowElementList&, int32 LayerId, const FWidgetStyle&,
				  bool) const override
	{
		return LayerId;
	}

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
