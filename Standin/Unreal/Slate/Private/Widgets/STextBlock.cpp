#include "Widgets/Text/STextBlock.h"

#include "Rendering/DrawElements.h"
#include "Standin/SlatePaint.h"
#include "Styling/WidgetStyle.h"
#include "Widgets/Images/SThrobber.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace Standin::Slate;

namespace
{
std::u16string_view View(const FString& Text) { return std::u16string_view(*Text, Text.Len()); }

std::vector<std::u16string> WrapLines(const FText& Text, const FSlateFontInfo& Font, float WrapWidth)
{
	return WrapText(View(Text.ToString()), static_cast<float>(Font.Size), WrapWidth, WeightOf(Font));
}
} // namespace

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
	TextStyle = InArgs._TextStyle ? InArgs._TextStyle : &FCoreStyle::Get().GetWidgetStyle<FTextBlockStyle>(FName(TEXT("NormalText")));
	Font = InArgs._Font;
	ColorAndOpacity = InArgs._ColorAndOpacity;
	WrapTextAt = InArgs._WrapTextAt;
	AutoWrapText = InArgs._AutoWrapText;
	Margin = InArgs._Margin;
	MinDesiredWidth = InArgs._MinDesiredWidth;
}

FSlateFontInfo STextBlock::GetFont() const { return Font.IsSet() ? Font.Get() : TextStyle->Font; }

float STextBlock::WrapWidthFor(float GivenWidth) const
{
	const float Fixed = WrapTextAt.Get(0.0f);
	const float Auto = AutoWrapText.Get(false) ? GivenWidth - Margin.Get(FMargin(0)).GetTotalSpaceAlong<Orient_Horizontal>() : 0.0f;
	if (Fixed > 0 && Auto > 0)
	{
		return std::min(Fixed, Auto);
	}
	return std::max(Fixed, Auto);
}

FVector2D STextBlock::ComputeDesiredSize(float) const
{
	// Wrapping text measures itself at the width it was last given (none before the first paint).
	const FSlateFontInfo TextFont = GetFont();
	const std::vector<std::u16string> Lines = WrapLines(GetText(), TextFont, WrapWidthFor(GetCachedGeometry().Size.X));
	const float Size = static_cast<float>(TextFont.Size);
	float Width = 0;
	for (const std::u16string& Line : Lines)
	{
		Width = std::max(Width, MeasureLine(Line, Size, WeightOf(TextFont)).Width);
	}
	const FMargin TextMargin = Margin.Get(FMargin(0));
	const float Height = LineHeight(Size, WeightOf(TextFont)) * static_cast<float>(Lines.size());
	return FVector2D(std::max(Width, MinDesiredWidth.Get(0.0f)) + TextMargin.GetTotalSpaceAlong<Orient_Horizontal>(), Height + TextMargin.GetTotalSpaceAlong<Orient_Vertical>());
}

int32 STextBlock::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
						  FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const FSlateFontInfo TextFont = GetFont();
	const FMargin TextMargin = Margin.Get(FMargin(0));
	const ESlateDrawEffect DrawEffects = ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
	const FLinearColor Colour = Multiply(InWidgetStyle.GetColorAndOpacityTint(), ColorAndOpacity.Get(TextStyle->ColorAndOpacity).GetColor(InWidgetStyle));
	const float LineStep = LineHeight(static_cast<float>(TextFont.Size), WeightOf(TextFont));
	float Top = TextMargin.Top;
	for (const std::u16string& Line : WrapLines(GetText(), TextFont, WrapWidthFor(AllottedGeometry.Size.X)))
	{
		const FString LineText(Line.c_str());
		const FTextMetrics Metrics = MeasureLine(Line, static_cast<float>(TextFont.Size), WeightOf(TextFont));
		FSlateDrawElement::MakeText(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(FVector2D(TextMargin.Left, Top), FVector2D(Metrics.Width, LineStep)),
									LineText, TextFont, DrawEffects, Colour);
		Top += LineStep;
	}
	return LayerId;
}

void SThrobber::Construct(const FArguments& InArgs)
{
	PieceImage = InArgs._PieceImage;
	NumPieces = std::max(1, InArgs._NumPieces);
}

FVector2D SThrobber::ComputeDesiredSize(float) const
{
	const FVector2D Piece = PieceImage ? PieceImage->ImageSize : FVector2D(0, 0);
	return FVector2D(Piece.X * NumPieces, Piece.Y);
}

int32 SThrobber::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
						 FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	if (!PieceImage)
	{
		return LayerId;
	}
	// Pieces in a row centred in the widget, fading from the first, as one still frame of the pulse:
	// each a disc of 60% of its slot.
	const float PieceSize = PieceImage->ImageSize.X;
	const float RowWidth = PieceSize * NumPieces;
	const float Left = std::max(0.0f, (AllottedGeometry.Size.X - RowWidth) / 2);
	const float CenterY = AllottedGeometry.Size.Y / 2;
	const float Radius = PieceSize * 0.3f;
	const ESlateDrawEffect DrawEffects = ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
	for (int32 Piece = 0; Piece < NumPieces; ++Piece)
	{
		const float Opacity = 1.0f - 0.6f * static_cast<float>(Piece) / std::max(1, NumPieces - 1);
		const float CenterX = Left + PieceSize * (Piece + 0.5f);
		const FLinearColor Tint = Multiply(InWidgetStyle.GetColorAndOpacityTint(), FLinearColor(Look::Accent.R, Look::Accent.G, Look::Accent.B, Opacity));
		FSlateDrawElement::MakeBox(OutDrawElements, LayerId, AllottedGeometry.ToPaintGeometry(FVector2D(CenterX - Radius, CenterY - Radius), FVector2D(2 * Radius, 2 * Radius)),
								   PieceImage, DrawEffects, Tint);
	}
	return LayerId;
}
