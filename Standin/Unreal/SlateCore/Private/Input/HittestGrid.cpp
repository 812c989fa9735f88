#include "Input/HittestGrid.h"

#include "Types/PaintArgs.h"
#include "Widgets/SWidget.h"

FHittestGrid::FHittestGrid() = default;

void FHittestGrid::ClearGridForNewFrame(const FSlateRect& HittestArea)
{
	GridArea = HittestArea;
	WidgetsCachedThisFrame.Reset();
}

int32 FHittestGrid::InsertWidget(const int32 ParentHittestIndex, const EVisibility& Visibility, const FArrangedWidget& Widget,
								 const FVector2D InWindowOffset, int32 LayerId)
{
	FCachedWidget Cached;
	Cached.Widget = Widget.Widget;
	Cached.Geometry = Widget.Geometry;
	Cached.Geometry.AbsolutePosition = Widget.Geometry.AbsolutePosition + InWindowOffset;
	Cached.Visibility = Visibility;
	Cached.ParentIndex = ParentHittestIndex;
	Cached.LayerId = LayerId;
	return WidgetsCachedThisFrame.Add(Cached);
}

bool FHittestGrid::TakesHits(int32 Index) const
{
	if (!WidgetsCachedThisFrame[Index].Visibility.IsHitTestVisible())
	{
		return false;
	}
	for (int32 Parent = WidgetsCachedThisFrame[Index].ParentIndex; Parent != INDEX_NONE; Parent = WidgetsCachedThisFrame[Parent].ParentIndex)
	{
		if (!WidgetsCachedThisFrame[Parent].Visibility.AreChildrenHitTestVisible())
		{
			return false;
		}
	}
	return true;
}

TArray<FWidgetAndPointer> FHittestGrid::GetBubblePath(FVector2D DesktopSpaceCoordinate, float CursorRadius, bool bIgnoreEnabledStatus)
{
	// The widget painted last is the one on top.
	int32 Hit = INDEX_NONE;
	for (int32 Index = WidgetsCachedThisFrame.Num() - 1; Index >= 0; --Index)
	{
		if (WidgetsCachedThisFrame[Index].Geometry.IsUnderLocation(DesktopSpaceCoordinate) && TakesHits(Index))
		{
			Hit = Index;
			break;
		}
	}
	std::vector<FWidgetAndPointer> Reversed;
	for (int32 Index = Hit; Index != INDEX_NONE; Index = WidgetsCachedThisFrame[Index].ParentIndex)
	{
		const TSharedPtr<SWidget> Widget = WidgetsCachedThisFrame[Index].Widget.Pin();
		if (!Widget.IsValid())
		{
			// A widget of the path is gone since it was painted: the path is stale.
			return TArray<FWidgetAndPointer>();
		}
		Reversed.push_back(FWidgetAndPointer(FArrangedWidget(Widget.ToSharedRef(), WidgetsCachedThisFrame[Index].Geometry)));
	}
	TArray<FWidgetAndPointer> Path;
	for (auto It = Reversed.rbegin(); It != Reversed.rend(); ++It)
	{
		if (!bIgnoreEnabledStatus && !It->Widget->IsEnabled())
		{
			break;
		}
		Path.Add(*It);
	}
	return Path;
}

FPaintArgs::FPaintArgs(const SWidget& Parent, FHittestGrid& InHittestGrid, FVector2D InWindowOffset, double InCurrentTime, float InDeltaTime)
	: ParentPtr(&Parent), Grid(&InHittestGrid), WindowOffset(InWindowOffset), CurrentTime(InCurrentTime), DeltaTime(InDeltaTime)
{
}

FPaintArgs FPaintArgs::WithNewParent(const SWidget* Parent) const
{
	FPaintArgs Args(*this);
	Args.ParentPtr = Parent;
	return Args;
}

FPaintArgs FPaintArgs::RecordHittestGeometry(const SWidget* Widget, const FGeometry& WidgetGeometry, int32 LayerId) const
{
	FPaintArgs UpdatedArgs(*this);
	SWidget* MutableWidget = const_cast<SWidget*>(Widget);
	UpdatedArgs.LastHittestIndex =
		Grid->InsertWidget(LastHittestIndex, Widget->GetVisibility(), FArrangedWidget(MutableWidget->AsShared(), WidgetGeometry), WindowOffset, LayerId);
	return UpdatedArgs;
}
