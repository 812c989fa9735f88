// Headless toolkit (not engine API): the editor's look, the images the stand-in's style sets draw
// without image files, and the renderer that turns a window's draw elements into pixels.
#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/SlateRect.h"
#include "Standin/SlateFont.h"
#include "Standin/SlateRaster.h"

class FSlateWindowElementList;

namespace Standin::Slate
{
// The size of Slate's default text (Roboto Regular 9, as the editor's "NormalText").
constexpr int32 DefaultFontSize = 9;

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
extern const FLinearColor Success;
extern const FLinearColor Failure;

// The strip above a tab's content that holds the tab's label.
constexpr float TabStripHeight = 28.0f;
} // namespace Look

FRgba ToRgba(const FLinearColor& Colour);
// The linear colour of sRGB bytes, as colours picked on screen are given; ToRgba gives the bytes back.
FLinearColor FromSrgb(int R, int G, int B, float A = 1.0f);
FRect ToRect(const FSlateRect& Rect);
// Component-wise product, as tints combine.
FLinearColor Multiply(const FLinearColor& A, const FLinearColor& B);
// The face a font names: Bold for the "Bold" typeface, Regular for any other.
EFontWeight WeightOf(const FSlateFontInfo& Font);

// The PNG file a brush's resource name names (an engine-form path, through the machine's path
// mapping), read once per change of the file; null when there is no such readable file.
const FImage* FindBrushImage(const FName& ResourceName);

// An image the stand-in draws itself where the engine would read one of its own image files (the
// editor's panels, buttons, check boxes, ...): it fills Rect, tinted; bDisabled when the element
// carries the disabled effect.
using FBrushPainter = void (*)(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool bDisabled);
// Names the painter for brushes with this resource name; style sets register theirs when made.
void RegisterBrushPainter(const FName& ResourceName, FBrushPainter Painter);

// Draws every element of the list, lower layers first and each layer in paint order, each
// clipped to the clip zone it was made under.
void DrawElements(const FSlateWindowElementList& ElementList, FCanvas& Canvas);
} // namespace Standin::Slate
