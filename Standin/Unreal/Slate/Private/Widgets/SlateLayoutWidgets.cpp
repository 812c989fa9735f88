// SBox, SBorder, SWidgetSwitcher and SDockTab.
#include "Layout/ArrangedChildren.h"
#include "Layout/LayoutUtils.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlateArrange.h"
#include "Standin/SlatePaint.h"
#include "Styling/WidgetStyle.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SWidgetSwitcher.h"
#include "Framework/TabRegistry.h"

#include <algorithm>

using namespace Standin::Slate;

namespace
{
// An SBox dimension: an override wins; otherwise the content's size within the minimum and maximum.
float BoxDimension(float ContentSize, const FOptionalSize& Override, const FOptionalSize& Min, const FOptionalSize& Max)
{
	if (Override.IsSet())
	{
		return Override.Get();
	}
	float Size = ContentSize;
	if (Min.IsSet())
	{
		Size = std::max(Size, Min.Get());
	}
	if (Max.IsSet())
	{
		Size = std::min(Size, Max.Get());
	}
	return Size;
}
} // namespace

void SBox::Construct(const FArguments& InArgs)
{
	WidthOverride = InArgs._WidthOverride;
	HeightOverride = InArgs._HeightOverride;
	MinDesiredWidth = InArgs._MinDesiredWidth;
	MinDesiredHeight = InArgs._MinDesiredHeight;
	MaxDesiredWidth = InArgs._MaxDesiredWidth;
	MaxDesiredHeight = InArgs._MaxDesiredHeight;
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding)[InArgs._Content.Widget];
}

FVector2D SBox::ComputeDesiredSize(float) const
{
	const TSharedRef<SWidget>& Child = ChildSlot.GetWidget();
	if (Child->GetVisibility() == EVisibility::Collapsed)
	{
		return FVector2D(0, 0);
	}
	const FVector2D ContentSize = Child->GetDesiredSize() + ChildSlot.SlotPadding.Get().GetDesiredSize();
	const FOptionalSize Unset;
	return FVector2D(BoxDimension(ContentSize.X, WidthOverride.Get(Unset), MinDesiredWidth.Get(Unset), MaxDesiredWidth.Get(Unset)),
					 BoxDimension(ContentSize.Y, HeightOverride.Get(Unset), MinDesiredHeight.Get(Unset), MaxDesiredHeight.Get(Unset)));
}

SBorder::SBorder() = default;

void SBorder::Construct(const FArguments& InArgs)
{
	BorderImage = InArgs._BorderImage;
	BorderBackgroundColor = InArgs._BorderBackgroundColor;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	ForegroundColor = InArgs._ForegroundColor;
	ShowDisabledEffect = InArgs._ShowEffectWhenDisabled;
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding)[InArgs._Content.Widget];
}

int32 SBorder::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
					   FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FSlateBrush* BrushResource = BorderImage.Get(nullptr);
	const bool bEnabled = ShouldBeEnabled(bParentEnabled);
	if (BrushResource && BrushResource->DrawAs != ESlateBrushDrawType::NoDrawType)
	{
		const ESlateDrawEffect DrawEffects = ShowDisabledEffect.Get(true) && !bEnabled ? ESlateDrawEffect::DisabledEffect : ESlateDrawEffect::None;
		const FLinearColor Tint = Multiply(Multiply(BrushResource->GetTint(InWidgetStyle), InWidgetStyle.GetColorAndOpacityTint()),
										   BorderBackgroundColor.Get(FSlateColor(FLinearColor::White)).GetColor(InWidgetStyle));
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(), BrushResource, DrawEffects, Tint);
	}
	return SCompoundWidget::OnPaint(Args, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bEnabled);
}

SWidgetSwitcher::SWidgetSwitcher() : ActiveChild(*this), WidgetIndex(0) {}

void SWidgetSwitcher::Construct(const FArguments& InArgs)
{
	for (FSlot* Slot : InArgs.Slots)
	{
		AllChildren.Add(Slot);
	}
	WidgetIndex = InArgs._WidgetIndex;
}

SWidgetSwitcher::FSlot& SWidgetSwitcher::AddSlot(int32 SlotIndex)
{
	FSlot* Slot = new FSlot();
	AllChildren.Add(Slot);
	(void)SlotIndex; // slots are appended; the engine inserts at SlotIndex, which nothing here needs
	return *Slot;
}

const SWidgetSwitcher::FSlot* SWidgetSwitcher::GetActiveSlot() const
{
	const int32 Index = WidgetIndex.Get(0);
	return AllChildren.IsValidIndex(Index) ? &AllChildren[Index] : nullptr;
}

TSharedPtr<SWidget> SWidgetSwitcher::GetActiveWidget() const
{
	const FSlot* Slot = GetActiveSlot();
	return Slot ? TSharedPtr<SWidget>(Slot->GetWidget()) : TSharedPtr<SWidget>();
}

TSharedPtr<SWidget> SWidgetSwitcher::GetWidget(int32 SlotIndex) const
{
	return AllChildren.IsValidIndex(SlotIndex) ? TSharedPtr<SWidget>(AllChildren[SlotIndex].GetWidget()) : TSharedPtr<SWidget>();
}

FVector2D SWidgetSwitcher::ComputeDesiredSize(float) const
{
	const FSlot* Slot = GetActiveSlot();
	if (!Slot || Slot->GetWidget()->GetVisibility() == EVisibility::Collapsed)
	{
		return FVector2D(0, 0);
	}
	return Slot->GetWidget()->GetDesiredSize() + Slot->SlotPadding.Get().GetDesiredSize();
}

void SWidgetSwitcher::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	if (const FSlot* Slot = GetActiveSlot())
	{
		const EVisibility ChildVisibility = Slot->GetWidget()->GetVisibility();
		if (ArrangedChildren.Accepts(ChildVisibility))
		{
			ArrangedChildren.AddWidget(ChildVisibility, PlaceInArea(Slot->GetWidget(), AllottedGeometry, Slot->SlotPadding.Get(),
																	Slot->HAlignment, Slot->VAlignment));
		}
	}
}

void SDockTab::Construct(const FArguments& InArgs)
{
	ContentPadding = InArgs._ContentPadding;
	TabLabel = InArgs._Label;
	TabRole = InArgs._TabRole;
	OnTabClosed = InArgs._OnTabClosed;
	SetContent(InArgs._Content.Widget);
}

void SDockTab::SetContent(TSharedRef<SWidget> InContent)
{
	Content = InContent;
	ChildSlot[InContent];
}

void SDockTab::RequestCloseTab()
{
	const TSharedRef<SDockTab> Self = SharedThis(this);
	OnTabClosed.ExecuteIfBound(Self);
	Standin::Slate::ForgetLiveTab(*this);
}

FVector2D SDockTab::ComputeDesiredSize(float) const
{
	const FVector2D ContentSize =
		Content->GetVisibility() == EVisibility::Collapsed ? FVector2D(0, 0) : Content->GetDesiredSize() + ContentPadding.Get(FMargin(0)).GetDesiredSize();
	const float LabelWidth = MeasureLine(std::u16string_view(*GetTabLabel().ToString()), DefaultFontSize).Width + 40.0f;
	return FVector2D(std::max(ContentSize.X, LabelWidth), ContentSize.Y + Look::TabStripHeight);
}

void SDockTab::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const FGeometry ContentArea = AllottedGeometry.MakeChild(FVector2D(0, Look::TabStripHeight),
															 FVector2D(AllottedGeometry.Size.X, std::max(0.0f, AllottedGeometry.Size.Y - Look::TabStripHeight)));
	const EVisibility ChildVisibility = Content->GetVisibility();
	if (ArrangedChildren.Accepts(ChildVisibility))
	{
		ArrangedChildren.AddWidget(ChildVisibility, PlaceInArea(Content, ContentArea, ContentPadding.Get(FMargin(0)), HAlign_Fill, VAlign_Fill));
	}
}

int32 SDockTab::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
						FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	// The tab well: a darker strip with the tab itself raised in the window's colour, as the editor
	// shows a major tab in its window's title area.
	const FSlateBrush* White = FCoreStyle::Get().GetBrush(FName(TEXT("WhiteBrush")));
	const FVector2D Size = AllottedGeometry.GetLocalSize();
	const float Strip = Look::TabStripHeight;
	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(FVector2D(0, 0), FVector2D(Size.X, Strip)), White,
							   ESlateDrawEffect::None, FLinearColor(0.004f, 0.004f, 0.004f));
	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(FVector2D(0, Strip), FVector2D(Size.X, std::max(0.0f, Size.Y - Strip))),
							   White, ESlateDrawEffect::None, Look::WindowBackground);
	const FString Label = GetTabLabel().ToString();
	const FSlateFontInfo Font = FCoreStyle::GetDefaultFontStyle(FName(TEXT("Regular")), DefaultFontSize);
	const FTextMetrics Metrics = MeasureLine(std::u16string_view(*Label, Label.Len()), static_cast<float>(Font.Size));
	const FVector2D TabOffset(6, 4);
	const FVector2D TabSize(Metrics.Width + 36, Strip - 1);
	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(TabOffset, TabSize),
							   FCoreStyle::Get().GetBrush(FName(TEXT("Docking.Tab.ForegroundBrush"))), ESlateDrawEffect::None, Look::WindowBackground);
	FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(TabOffset, FVector2D(TabSize.X, 2)), White,
							   ESlateDrawEffect::None, Look::Accent);
	FSlateDrawElement::MakeText(OutDrawElements, LayerId,
								AllottedGeometry.ToPaintGeometry(TabOffset + FVector2D(18, (Strip - 4 - Metrics.Height) / 2 + 1), FVector2D(Metrics.Width, Metrics.Height)),
								Label, Font, ESlateDrawEffect::None, Look::DefaultForeground);
	return SCompoundWidget::OnPaint(Args, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bParentEnabled);
}
