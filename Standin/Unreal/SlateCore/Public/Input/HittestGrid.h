#pragma once

#include "CoreMinimal.h"
#include "Layout/ArrangedWidget.h"
#include "Layout/SlateRect.h"
#include "Layout/Visibility.h"

// Every widget painted in a window's frame, with its geometry and parent, so that a point can be
// traced to the widgets under it (the topmost one and its ancestors), as input is routed.
class FHittestGrid
{
public:
	FHittestGrid();

	// Forgets the previous frame's widgets.
	void ClearGridForNewFrame(const FSlateRect& HittestArea);
	// Records a painted widget; gives the index its children name as their parent.
	int32 InsertWidget(const int32 ParentHittestIndex, const EVisibility& Visibility, const FArrangedWidget& Widget,
					   const FVector2D InWindowOffset, int32 LayerId);
	// The topmost widget under the point that takes hits, preceded by its ancestors (outermost first).
	// Unless bIgnoreEnabledStatus, the path ends before the first disabled widget on it.
	TArray<FWidgetAndPointer> GetBubblePath(FVector2D DesktopSpaceCoordinate, float CursorRadius, bool bIgnoreEnabledStatus);

private:
	struct FCachedWidget
	{
		TWeakPtr<SWidget> Widget;
		FGeometry Geometry;
		EVisibility Visibility;
		int32 ParentIndex = INDEX_NONE;
		int32 LayerId = 0;
	};

	bool TakesHits(int32 Index) const;

	FSlateRect GridArea;
	TArray<FCachedWidget> WidgetsCachedThisFrame;
};
