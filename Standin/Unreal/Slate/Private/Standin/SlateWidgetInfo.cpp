#include "SlateWidgetInfo.h"

#include "Input/HittestGrid.h"
#include "Layout/Children.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlateWindow.h"
#include "Styling/WidgetStyle.h"
#include "Types/PaintArgs.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Notifications/SNotificationList.h"
#include "Widgets/Text/STextBlock.h"

#include <cmath>
#include <optional>

namespace Standin::Slate
{
namespace
{
bool IsOfType(const SWidget& Widget, const TCHAR* Type) { return Widget.GetType() == FName(Type); }

bool IsNotificationItem(const SWidget& Widget) { return IsOfType(Widget, TEXT("SNotificationItemImpl")); }

// Widgets that have no text of their own and are called by the text of their content.
bool IsLabelledByContent(const SWidget& Widget) { return IsClickable(Widget) || IsNotificationItem(Widget); }

FString ContentLabel(const SWidget& Widget)
{
	FChildren* Children = const_cast<SWidget&>(Widget).GetChildren();
	for (int32 Index = 0; Children && Index < Children->Num(); ++Index)
	{
		const TSharedRef<SWidget> Child = Children->GetChildAt(Index);
		FString Label = LabelOf(*Child);
		if (Label.IsEmpty())
		{
			Label = ContentLabel(*Child);
		}
		if (!Label.IsEmpty())
		{
			return Label;
		}
	}
	return FString();
}

std::string CompletionStateName(SNotificationItem::ECompletionState State)
{
	switch (State)
	{
	case SNotificationItem::CS_Pending:
		return "Pending";
	case SNotificationItem::CS_Success:
		return "Success";
	case SNotificationItem::CS_Fail:
		return "Fail";
	default:
		return "None";
	}
}

// A progress bar as it paints itself: its background, then either the fill (as large as the bar,
// clipped to the filled part of the space inside its border padding) or the marquee (wider than
// the bar, so that it can slide along).
struct FPaintedBar
{
	bool bMarquee = false;
	FVector2D FilledSize;
};

std::optional<FPaintedBar> PaintBar(const SWidget& Bar, const FGeometry& Geometry)
{
	FHittestGrid Grid;
	FSlateWindowElementList Elements(nullptr);
	const FVector2D Size = Geometry.GetLocalSize();
	Bar.Paint(FPaintArgs(Bar, Grid, FVector2D(0, 0), 0.0, 0.0f), Geometry, Geometry.GetLayoutBoundingRect(), Elements, 0, FWidgetStyle(), true);
	const TArray<FSlateDrawElement>& Painted = Elements.GetDrawElements();
	const TArray<FSlateClippingState>& Clips = Elements.GetClippingManager().GetClippingStates();
	if (Painted.Num() < 2 || !Clips.IsValidIndex(Painted[1].GetClippingIndex()))
	{
		return std::nullopt;
	}
	return FPaintedBar{Painted[1].GetLocalSize().X > Size.X, Clips[Painted[1].GetClippingIndex()].ScissorRect->GetBoundingBox().GetSize()};
}

// Painted at two sizes, the filled part grows by the fraction of the growth along the bar, whatever
// the border padding and the direction of the fill.
std::string DescribeProgressBar(const SWidget& Bar, const FGeometry& Geometry)
{
	constexpr float Small = 1000.0f, Large = 2000.0f;
	const std::optional<FPaintedBar> A = PaintBar(Bar, FGeometry(FVector2D(0, 0), FVector2D(0, 0), FVector2D(Small, Small), 1.0f));
	const std::optional<FPaintedBar> B = PaintBar(Bar, FGeometry(FVector2D(0, 0), FVector2D(0, 0), FVector2D(Large, Large), 1.0f));
	// Painting caches the geometry: the bar's own is painted last.
	PaintBar(Bar, Geometry);
	if (!A || !B)
	{
		return std::string();
	}
	if (A->bMarquee)
	{
		return "marquee";
	}
	const float Fraction = std::min(B->FilledSize.X - A->FilledSize.X, B->FilledSize.Y - A->FilledSize.Y) / (Large - Small);
	return std::to_string(std::lround(Fraction * 100.0f)) + "%";
}
} // namespace

bool IsClickable(const SWidget& Widget)
{
	return IsOfType(Widget, TEXT("SButton")) || IsOfType(Widget, TEXT("SHyperlink")) || IsOfType(Widget, TEXT("SCheckBox"));
}

bool IsTextBlock(const SWidget& Widget) { return IsOfType(Widget, TEXT("STextBlock")); }

bool IsTextBox(const SWidget& Widget) { return IsOfType(Widget, TEXT("SEditableTextBox")); }

FString LabelOf(const SWidget& Widget)
{
	if (IsTextBlock(Widget))
	{
		return static_cast<const STextBlock&>(Widget).GetText().ToString();
	}
	if (IsTextBox(Widget))
	{
		return static_cast<const SEditableTextBox&>(Widget).GetText().ToString();
	}
	if (IsOfType(Widget, TEXT("SDockTab")))
	{
		return static_cast<const SDockTab&>(Widget).GetTabLabel().ToString();
	}
	return IsLabelledByContent(Widget) ? ContentLabel(Widget) : FString();
}

std::string DescribeState(const SWidget& Widget, const FGeometry& Geometry)
{
	if (IsNotificationItem(Widget))
	{
		return CompletionStateName(static_cast<const SNotificationItem&>(Widget).GetCompletionState());
	}
	if (IsOfType(Widget, TEXT("SProgressBar")))
	{
		return DescribeProgressBar(Widget, Geometry);
	}
	return std::string();
}
} // namespace Standin::Slate
