#include "Widgets/Text/STextBlock.h"

#include "Standin/SlatePaint.h"
#include "Widgets/Images/SThrobber.h"

#include <algorithm>
#include <cmath>

using namespace Standin::Slate;

namespace
{
std::u16string_view View(const FString& Text) { return std::u16string_view(*Text, Text.Len()); }
} // namespace

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	TextStyle = InArgs._TextStyle ? InArgs._TextStyle : &FTextBlockStyle::GetDefault();
	ColorAndOpacity = InArgs._ColorAndOpacity;
	WrapTextAt = InArgs._WrapTextAt;
	AutoWrapText = InArgs._AutoWrapText;
	Margin = InArgs._Margin;
	MinDesiredWidth = InArgs._MinDesiredWidth;
}

float STextBlock::WrapWidthFor(float GivenWidth) const
{
	const float Fixed = WrapTextAt.Get(0.0f);
	const float Auto = AutoWrapText.Get(false) ? GivenWidth - Margin.Get(FMargin(0)).GetTotalSpaceAlong0() : 0.0f;
	if (Fixed > 0 && Auto > 0)
	{
		return std::min(Fixed, Auto);
	}
	return std::max(Fixed, Auto);
}

std::vector<std::u16string> STextBlock::LinesFor(float GivenWidth) const
{
	const EFontWeight Weight = TextStyle->bBold ? EFontWeight::Bold : EFontWeight::Regular;
	return WrapText(View(GetText().ToString()), TextStyle->FontSize, WrapWidthFor(GivenWidth), Weight);
}

FVector2D STextBlock::ComputeDesiredSize(float) const
{
	// Wrapping text measures itself at the width it was last given (none before the first layout).
	MeasuredLines = LinesFor(GetCachedGeometry().Size.X);
	const EFontWeight Weight = TextStyle->bBold ? EFontWeight::Bold : EFontWeight::Regular;
	float Width = 0;
	for (const std::u16string& Line : MeasuredLines)
	{
		Width = std::max(Width, MeasureLine(Line, TextStyle->FontSize, Weight).Width);
	}
	const FMargin TextMargin = Margin.Get(FMargin(0));
	const float Height = LineHeight(TextStyle->FontSize, Weight) * static_cast<float>(MeasuredLines.size());
	return FVector2D(std::max(Width, MinDesiredWidth.Get(0.0f)) + TextMargin.GetTotalSpaceAlong0(), Height + TextMargin.GetTotalSpaceAlong1());
}

bool STextBlock::StandinNeedsRelayout() const
{
	return AutoWrapText.Get(false) && LinesFor(GetCachedGeometry().Size.X) != MeasuredLines;
}

void STextBlock::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	const FMargin TextMargin = Margin.Get(FMargin(0));
	FRect Area = ToRect(AllottedGeometry);
	Area.Left += TextMargin.Left;
	Area.Top += TextMargin.Top;
	const FSlateColor Colour = ColorAndOpacity.Get(TextStyle->ColorAndOpacity);
	const FLinearColor Resolved = Context.bParentEnabled && IsEnabled() ? Colour.GetColor(Context.Foreground) : Look::SubduedForeground;
	DrawText(Context, Area, LinesFor(AllottedGeometry.Size.X), TextStyle->FontSize, Resolved,
			 TextStyle->bBold ? EFontWeight::Bold : EFontWeight::Regular);
}

void SThrobber::Construct(const FArguments& InArgs) { NumPieces = std::max(1, InArgs._NumPieces); }

FVector2D SThrobber::ComputeDesiredSize(float) const { return FVector2D(PieceSize * NumPieces, PieceSize); }

void SThrobber::OnPaintSelf(const FGeometry& AllottedGeometry, FPaintContext& Context) const
{
	// Pieces in a row centred in the widget, fading from the first, as one still frame of the pulse.
	const FRect Area = ToRect(AllottedGeometry);
	const float RowWidth = PieceSize * NumPieces;
	const float Left = Area.Left + std::max(0.0f, (Area.Width() - RowWidth) / 2);
	const float CenterY = Area.Top + Area.Height() / 2;
	for (int32 Piece = 0; Piece < NumPieces; ++Piece)
	{
		const float Opacity = 1.0f - 0.6f * static_cast<float>(Piece) / std::max(1, NumPieces - 1);
		Context.Canvas.FillCircle(Left + PieceSize * (Piece + 0.5f), CenterY, PieceSize * 0.3f,
								  ToRgba(FLinearColor(Look::Accent.R, Look::Accent.G, Look::Accent.B, Opacity)));
	}
}
