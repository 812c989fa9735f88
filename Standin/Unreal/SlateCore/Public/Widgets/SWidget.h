// The base of every widget. Layout follows Slate's two passes: SlatePrepass computes desired sizes
// bottom-up (reading every attribute afresh), then each widget arranges its visible children in the
// space it was given. Painting records the widget in the window's hit-test grid and adds draw
// elements to the window's element list; input arrives through the OnMouse... and OnKeyChar events.
#pragma once

#include "CoreMinimal.h"
#include "GenericPlatform/ICursor.h"
#include "Input/Events.h"
#include "Input/Reply.h"
#include "Layout/Geometry.h"
#include "Layout/Visibility.h"
#include "Misc/Attribute.h"
#include "Styling/SlateColor.h"

class FArrangedChildren;
class FChildren;
class FPaintArgs;
class FSlateWindowElementList;
class FWidgetStyle;

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
	// What SNew records about where the widget was made; its type names it in `show`.
	void SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, size_t InAllocSize);

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
	virtual FString ToString() const { return GetTypeAsString(); }

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
	// The geometry this widget was last painted in.
	const FGeometry& GetCachedGeometry() const { return CachedGeometry; }
	const FGeometry& GetTickSpaceGeometry() const { return CachedGeometry; }

	// The colour that text and foreground-tinted brushes below this widget use.
	virtual FSlateColor GetForegroundColor() const { return FSlateColor::UseForeground(); }

	// Ticks the widget, records it in the grid, caches its geometry and lets it paint itself and its
	// children (OnPaint). Gives the highest layer painted.
	int32 Paint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
				FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const;
	virtual void Tick(const FGeometry& AllottedGeometry, const double InCurrentTime, const float InDeltaTime) {}

	virtual FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) { return FReply::Unhandled(); }
	virtual FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) { return FReply::Unhandled(); }
	virtual FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) { return FReply::Unhandled(); }

protected:
	virtual FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const = 0;
	bool ShouldBeEnabled(bool InParentEnabled) const { return InParentEnabled && IsEnabled(); }

private:
	virtual int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
						  FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const = 0;

	TAttribute<EVisibility> Visibility;
	TAttribute<bool> EnabledState;
	TAttribute<FText> ToolTipText;
	TAttribute<TOptional<EMouseCursor::Type>> Cursor;
	FName Tag;
	FName TypeOfWidget;
	FVector2D DesiredSize;
	mutable FGeometry CachedGeometry;
};
