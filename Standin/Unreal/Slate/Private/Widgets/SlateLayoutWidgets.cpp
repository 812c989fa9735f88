// SBox, SBorder, SWidgetSwitcher and SDockTab.
#include "Layout/LayoutUtils.h"
#include "Standin/SlatePaint.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Layout/SWidgetSwitcher.h"

#include "Framework/Docking/TabManager.h"

#include <algorithm>

using namespace Standin::Slate;

namespace
{
FArrangedWidget PlaceInArea(const TSharedRef<SWidget>& Child, const FGeometry& Area, const FMargin& Padding,
							EHorizontalAlignment HAlign, EVerticalAlignment VAlign)
{
	const FVector2D Desired = Child->GetDesiredSize();
	const AlignmentArrangeResult X = AlignChild<Orient_Horizontal>(Area.Size.X, Desired.X, Padding, HAlign);
	const AlignmentArrangeResult Y = AlignChild<Orient_Vertical>(Area.Size.Y, Desired.Y, Padding, VAlign);
	return FArrangedWidget(Child, Area.MakeChild(FVector2D(X.Offset, Y.Offset), FVector2D(X.Size, Y.Size)));
}

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
	ChildSlot.HAlign(InArgs._HAlign).VAlign(InArgs._VAlign).Padding(InArgs._Padding)[InArgs._Content.Widget];
}

void SBorder::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	const FLinearColor Tint = BorderBackgroundColor.Get(FSlateColor(FLinearColor::White)).GetColor(Context.Foreground);
	DrawBrush(Context, BorderImage.Get(nullptr), ToRect(AllottedGeometry), Tint);
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

bool SDockTab::RequestCloseTab()
{
	const TSharedRef<SDockTab> Self = SharedThis(this);
	OnTabClosed.ExecuteIfBound(Self);
	FGlobalTabmanager::Get()->StandinForgetTab(*this);
	return true;
}

FVector2D SDockTab::ComputeDesiredSize(float) const
{
	const FVector2D ContentSize =
		Content->GetVisibility() == EVisibility::Collapsed ? FVector2D(0, 0) : Content->GetDesiredSize() + ContentPadding.Get(FMargin(0)).GetDesiredSize();
	const float LabelWidth = MeasureLine(std::u16string_view(*GetTabLabel().ToString()), DefaultFontSize).Width + 40.0f;
	return FVector2D(std::max(ContentSize.X, LabelWidth), ContentSize.Y + TabStripHeight);
}

void SDockTab::OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
{
	const FGeometry ContentArea = AllottedGeometry.MakeChild(FVector2D(0, TabStripHeight),
															 FVector2D(AllottedGeometry.Size.X, std::max(0.0f, AllottedGeometry.Size.Y - TabStripHeight)));
	const EVisibility ChildVisibility = Content->GetVisibility();
	if (ArrangedChildren.Accepts(ChildVisibility))
	{
		ArrangedChildren.AddWidget(ChildVisibility, PlaceInArea(Content, ContentArea, ContentPadding.Get(FMargin(0)), HAlign_Fill, VAlign_Fill));
	}
}

void SDockTab::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	// The tab well: a darker strip with the tab itself raised in the panel colour, as the editor
	// shows a major tab in its window's title area.
	const FRect Whole = ToRect(AllottedGeometry);
	Context.Canvas.FillRect({Whole.Left, Whole.Top, Whole.Right, Whole.Top + TabStripHeight}, ToRgba(FLinearColor(0.004f, 0.004f, 0.004f)));
	Context.Canvas.FillRect({Whole.Left, Whole.Top + TabStripHeight, Whole.Right, Whole.Bottom}, ToRgba(Look::WindowBackground));
	const FString LabelText = GetTabLabel().ToString();
	const std::u16string_view Label(*LabelText, LabelText.Len());
	const FTextMetrics Metrics = MeasureLine(Label, DefaultFontSize);
	const FRect Tab{Whole.Left + 6, Whole.Top + 4, Whole.Left + 6 + Metrics.Width + 36, Whole.Top + TabStripHeight + 3};
	Context.Canvas.FillRoundedRect(Tab, 4, ToRgba(Look::WindowBackground));
	Context.Canvas.FillRect({Tab.Left, Tab.Top, Tab.Right, Tab.Top + 2}, ToRgba(Look::Accent));
	DrawLine(Context.Canvas, Label, Tab.Left + 18, Tab.Top + (TabStripHeight - 4 - Metrics.Height) / 2 + 1, DefaultFontSize,
			 ToRgba(Look::DefaultForeground));
}
