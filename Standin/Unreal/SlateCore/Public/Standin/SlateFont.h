// Text for the headless renderer: the Roboto face through FreeType, used both to measure text for
// layout and to draw it, so that what is laid out is exactly what is painted.
#pragma once

#include "Standin/SlateRaster.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace Standin::Slate
{
enum class EFontWeight
{
	Regular,
	Bold
};

struct FTextMetrics
{
	float Width = 0;
	float Height = 0;
};

// The host path of the Roboto face of the given weight. LEVELWRIGHT_FONT_DIR, if set, is searched
// first, then Debian's fonts-roboto folders. Ends the process with a clear message when no face
// exists, since no layout can be right without it.
std::filesystem::path FindRobotoFace(EFontWeight Weight);

// Size is in points as Slate gives it (at 96 DPI, so 9 points are 12 pixels).
float LineHeight(float Size, EFontWeight Weight = EFontWeight::Regular);
// Width of one line (no line breaks inside) and the height of one line.
FTextMetrics MeasureLine(std::u16string_view Text, float Size, EFontWeight Weight = EFontWeight::Regular);

// Breaks text into lines no wider than WrapWidth: at blanks where possible, inside a word only when
// the word alone is wider. Explicit line breaks are kept. WrapWidth <= 0 splits at line breaks only.
std::vector<std::u16string> WrapText(std::u16string_view Text, float Size, float WrapWidth,
									 EFontWeight Weight = EFontWeight::Regular);

// Measures wrapped text: the widest line and the total height of all lines.
FTextMetrics MeasureText(std::u16string_view Text, float Size, float WrapWidth, EFontWeight Weight = EFontWeight::Regular);

// Draws one line with its top-left corner at (X, Y).
void DrawLine(FCanvas& Canvas, std::u16string_view Text, float X, float Y, float Size, FRgba Colour,
			  EFontWeight Weight = EFontWeight::Regular);
} // namespace Standin::Slate
