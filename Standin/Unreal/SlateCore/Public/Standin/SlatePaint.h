// The headless toolkit's painting and window layout, shared by the widgets of SlateCore and Slate
// and used by the stand-in editor's window commands.
#pragma once

#include "CoreMinimal.h"
#include "Layout/Geometry.h"
#include "Standin/SlateFont.h"
#include "Standin/SlateRaster.h"
#include "Styling/SlateBrush.h"

#include <vector>

class SWidget;

namespace Standin::Slate
{
// The size of Slate's default text (Roboto Regular 9, as the editor's "NormalText").
constexpr float DefaultFontSize = 9.0f;

// The editor's dark look, in linear colour as Slate styles give it.
namespace Look
{
extern const FLinearColor WindowBackground;
extern const FLinearColor PanelBackground;
extern const FLinearColor PanelOutline;
extern const FLinearColor DefaultForeground;
extern const FLinearColor SubduedForeground;
extern const FLinearColor ButtonNormal;
extern const FLinearColor ButtonDisabled;
extern const FLinearColor ButtonOutline;
extern const FLinearColor InputBackground;
extern const FLinearColor InputOutline;
extern const FLinearColor Accent;
extern const FLinearColor Hyperlink;
} // namespace Look

struct FPaintContext
{
	FCanvas& Canvas;
	FLinearColor Foreground;
	bool bParentEnabled = true;
};

FRgba ToRgba(const FLinearColor& Colour);
FRect ToRect(const FGeometry& Geometry);

// The PNG file a brush's resource name names (an engine-form path), read once per change of the
// file; null when there is no such readable file.
const FImage* FindBrushImage(const FName& ResourceName);

// Draws a brush into a rectangle: an image stretched over it, a box filled with the brush's tint,
// a border's frame, or nothing. Returns false when the brush draws nothing (no type, or its image
// file is missing).
bool DrawBrush(FPaintContext& Context, const FSlateBrush* Brush, const FRect& Rect, const FLinearColor& Tint = FLinearColor::White);

// Text in the current foreground colour (or the given one), one wrapped line under the other.
void DrawText(FPaintContext& Context, const FRect& Rect, const std::vector<std::u16string>& Lines, float FontSize,
			  const FLinearColor& Colour, EFontWeight Weight = EFontWeight::Regular);

// One shown widget of a laid-out window, in layout (depth-first, paint) order.
struct FVisibleWidget
{
	TSharedRef<SWidget> Widget;
	FGeometry Geometry;
	int32 Depth = 0;
};

// Lays the tree out in a window of the given size, as Slate does each frame: desired sizes, then
// arrangement, repeated until wrapped text has settled. Gives every widget that is shown.
std::vector<FVisibleWidget> LayoutWindow(const TSharedRef<SWidget>& Root, const FVector2D& WindowSize);

// Lays the tree out and paints it on the window's background.
FImage PaintWindow(const TSharedRef<SWidget>& Root, const FVector2D& WindowSize);
} // namespace Standin::Slate
