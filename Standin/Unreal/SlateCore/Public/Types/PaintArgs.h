#pragma once

#include "CoreMinimal.h"

class FHittestGrid;
class SWidget;
struct FGeometry;

// What a widget's paint passes down besides geometry: the window's hit-test grid (and the index of
// the parent recorded there), the window's offset on the desktop, and the frame's time.
class FPaintArgs
{
public:
	FPaintArgs(const SWidget& Parent, FHittestGrid& InHittestGrid, FVector2D InWindowOffset, double InCurrentTime, float InDeltaTime);

	FPaintArgs WithNewParent(const SWidget* Parent) const;
	// Records the widget in the grid; the returned arguments name it as the parent of what it paints.
	FPaintArgs RecordHittestGeometry(const SWidget* Widget, const FGeometry& WidgetGeometry, int32 LayerId) const;

	FHittestGrid& GetGrid() const { return *Grid; }
	int32 GetLastHitTestIndex() const { return LastHittestIndex; }
	FVector2D GetWindowToDesktopTransform() const { return WindowOffset; }
	double GetCurrentTime() const { return CurrentTime; }
	float GetDeltaTime() const { return DeltaTime; }

private:
	const SWidget* ParentPtr;
	FHittestGrid* Grid;
	int32 LastHittestIndex = INDEX_NONE;
	FVector2D WindowOffset;
	double CurrentTime;
	float DeltaTime;
};
