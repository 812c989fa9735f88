// The base of every widget. Layout follows Slate's two passes: SlatePrepass computes desired sizes
// bottom-up (reading every attribute afresh), then each widget arranges its visible children in the
// space it was given. The headless toolkit paints with Standin::Slate::FPaintContext instead of a
// draw-element list.
#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/ICursor.h"
#include "Input/Reply.h"
#include "Layout/Geometry.h"
#include "Layout/Visibility.h"
#include "Misc/Attribute.h"
#include "Styling/SlateColor.h"

class FChildren;
class FArrangedChildren;

namespace Standin::Slate
{
struct FPaintContext;
}

class SWidget : public TSharedFromThis<SWidget>
{
public:
	SWidget();
	virtual ~SWidget();
	SWidget(const SWidget&) = delete;
	SWidget& operator=(const SWidget&) = delete;

	// Applies the arguments every widget takes (called by SNew before Construct).
	void SWidgetConstruct(const TAttribute<FText>& InToolTipText, const TAttribute<TOptional<EMouseCursor::Type>>& InCursor,
						  const TAttribute<bool>& InEnabledState, const TAttribute<EVisibility>& InVisibility, const FName& InTag);

	EVisibility GetVisibility() const { return Visibility.Get(); }
	virtual void SetVisibility(TAttribute<EVisibility> InVisibility) { Visibility = InVisibility; }
	bool IsEnabled() const { return EnabledState.Get(true); }
	void SetEnabled(const TAttribute<bool>& InEnabledState) { EnabledState = InEnabledState; }
	void SetToolTipText(const TAttribute<FText>& InToolTipText) { ToolTipText = InToolTipText; }
	void SetCursor(const TAttribute<TOptional<EMouseCursor::Type>>& InCursor) { Cursor = InCursor; }
	TOptional<EMouseCursor::Type> GetCursor() const { return Cursor.Get(TOptional<EMouseCursor::Type>()); }
	FName GetTag() const { return Tag; }

	FName GetType() const { return TypeOfWidget; }
	FString GetTypeAsString() const { return TypeOfWidget.ToString(); }
	FString ToString() const { return GetTypeAsString(); }

	// Desired size as computed by the last SlatePrepass.
	FVector2D GetDesiredSize() const { return DesiredSize; }
	// Computes the desired sizes of this widget and of every child that is not collapsed.
	void SlatePrepass(float LayoutScaleMultiplier = 1.0f);

	virtual FChildren* GetChildren() = 0;
	virtual void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const = 0;
	void ArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const
	{
		OnArrangeChildren(AllottedGeometry, ArrangedChildren);
	}
	// The geometry this widget was last arranged in.
	const FGeometry& GetCachedGeometry() const { return CachedGeometry; }
	const FGeometry& GetTickSpaceGeometry() const { return CachedGeometry; }

	// The colour that text and foreground-tinted brushes below this widget use.
	virtual FSlateColor GetForegroundColor() const { return FSlateColor::UseForeground(); }

	// Headless toolkit: what a window needs to paint and drive a widget without an input system.
	//
	// Paints this widget (OnPaintSelf) and then its visible children in arrangement order.
	void Paint(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const;
	// What `show`, `click` and `type` call the widget by: its text or label; empty when it has none.
	virtual FString GetStandinLabel() const { return FString(); }
	// Widgets that act on a click (buttons, check boxes, hyperlinks) answer it here.
	virtual bool IsStandinClickable() const { return false; }
	virtual FReply StandinClick() { return FReply::Unhandled(); }
	// Text widgets that wrap at the width they were last given ask for another layout pass until
	// that width settles (Slate reaches the same state over successive frames).
	virtual bool StandinNeedsRelayout() const { return false; }
	void SetStandinCachedGeometry(const FGeometry& Geometry) const { CachedGeometry = Geometry; }
	// The widget's class name as SNew gave it.
	void SetWidgetTypeName(const FName& InType) { TypeOfWidget = InType; }
	FText GetToolTipText() const { return ToolTipText.Get(FText::GetEmpty()); }

protected:
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const = 0;
	virtual void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const {}

private:
	TAttribute<EVisibility> Visibility;
	TAttribute<bool> EnabledState;
	TAttribute<FText> ToolTipText;
	TAttribute<TOptional<EMouseCursor::Type>> Cursor;
	FName Tag;
	FName TypeOfWidget;
	FVector2D DesiredSize;
	mutable FGeometry CachedGeometry;
};
