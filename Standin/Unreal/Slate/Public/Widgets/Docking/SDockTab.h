#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

enum ETabRole : uint8
{
	MajorTab,
	PanelTab,
	NomadTab,
	DocumentTab,
	NumRoles
};

// A tab: its label and its content. The headless toolkit shows an open tab as its own window, the
// tab's label in a strip above the content.
class SDockTab : public SCompoundWidget
{
public:
	DECLARE_DELEGATE_OneParam(FOnTabClosedCallback, TSharedRef<SDockTab>)

	SLATE_BEGIN_ARGS(SDockTab) : _Content(), _ContentPadding(FMargin(0)), _TabRole(ETabRole::PanelTab), _Label(), _ShouldAutosize(false) {}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_ATTRIBUTE(FMargin, ContentPadding)
	SLATE_ARGUMENT(ETabRole, TabRole)
	SLATE_ATTRIBUTE(FText, Label)
	SLATE_ARGUMENT(bool, ShouldAutosize)
	SLATE_EVENT(FOnTabClosedCallback, OnTabClosed)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void SetContent(TSharedRef<SWidget> InContent);
	TSharedRef<SWidget> GetContent() { return Content; }
	FText GetTabLabel() const { return TabLabel.Get(FText::GetEmpty()); }
	void SetLabel(const TAttribute<FText>& InTabLabel) { TabLabel = InTabLabel; }
	ETabRole GetTabRole() const { return TabRole; }
	void SetOnTabClosed(const FOnTabClosedCallback& InDelegate) { OnTabClosed = InDelegate; }
	// Closes the tab: runs OnTabClosed and drops it from the tab manager's open tabs.
	void RequestCloseTab();
	bool IsForeground() const { return true; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

	TSharedRef<SWidget> Content = SNullWidget::NullWidget;
	TAttribute<FMargin> ContentPadding;
	TAttribute<FText> TabLabel;
	ETabRole TabRole = ETabRole::PanelTab;
	FOnTabClosedCallback OnTabClosed;
};
