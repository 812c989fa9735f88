#include "Widgets/SWidget.h"

#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Styling/WidgetStyle.h"
#include "Types/PaintArgs.h"

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

void SWidget::SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine, size_t InAllocSize)
{
	TypeOfWidget = FName(InType);
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

int32 SWidget::Paint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
					 FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	SWidget* MutableThis = const_cast<SWidget*>(this);
	MutableThis->Tick(AllottedGeometry, Args.GetCurrentTime(), Args.GetDeltaTime());
	CachedGeometry = AllottedGeometry;
	const FPaintArgs UpdatedArgs = Args.RecordHittestGeometry(this, AllottedGeometry, LayerId);
	return OnPaint(UpdatedArgs, AllottedGeometry, MyCullingRect, OutDrawElements, LayerId, InWidgetStyle, bParentEnabled);
}
