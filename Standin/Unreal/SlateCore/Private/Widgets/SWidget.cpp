#include "Widgets/SWidget.h"

#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Standin/SlatePaint.h"

SWidget::SWidget() : Visibility(EVisibility::Visible), EnabledState(true), TypeOfWidget(TEXT("SWidget")) {}

SWidget::~SWidget() = default;

void SWidget::SWidgetConstruct(const TAttribute<FText>& InToolTipText, const TAttribute<TOptional<EMouseCursor::Type>>& InCursor,
							   const TAttribute<bool>& InEnabledState, const TAttribute<EVisibility>& InVisibility, const FName& InTag)
{
	if (InToolTipText.IsSet())
	{
		ToolTipText = InToolTipText;
	}
	Cursor = InCursor;
	EnabledState = InEnabledState;
	Visibility = InVisibility;
	Tag = InTag;
}

void SWidget::SlatePrepass(float LayoutScaleMultiplier)
{
	if (FChildren* Children = GetChildren())
	{
		for (int32 Index = 0; Index < Children->Num(); ++Index)
		{
			const TSharedRef<SWidget> Child = Children->GetChildAt(Index);
			if (Child->GetVisibility() != EVisibility::Collapsed)
			{
				Child->SlatePrepass(LayoutScaleMultiplier);
			}
		}
	}
	DesiredSize = ComputeDesiredSize(LayoutScaleMultiplier);
}

void SWidget::Paint(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const
{
	CachedGeometry = AllottedGeometry;
	OnPaintSelf(AllottedGeometry, Context);

	FArrangedChildren Arranged(EVisibility::Visible);
	ArrangeChildren(AllottedGeometry, Arranged);
	Standin::Slate::FPaintContext ChildContext{Context.Canvas, GetForegroundColor().GetColor(Context.Foreground),
											   Context.bParentEnabled && IsEnabled()};
	for (const FArrangedWidget& Child : Arranged)
	{
		Child.Widget->Paint(Child.Geometry, ChildContext);
	}
}

