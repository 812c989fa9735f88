#include "Widgets/Notifications/SProgressBar.h"

#include "Layout/Clipping.h"
#include "Rendering/DrawElements.h"
#include "Standin/SlatePaint.h"
#include "Styling/WidgetStyle.h"

#include <algorithm>

using Standin::Slate::Multiply;

namespace
{
// Clips to the filled part of the space inside the border padding: Progress is that part as
// fractions of the space (left, top, right, bottom).
void PushFillClip(FSlateWindowElementList& OutDrawElements, const FGeometry& AllottedGeometry, const FVector2D& InsetPadding, const FSlateRect& Progress)
{
	const FVector2D Inside = AllottedGeometry.GetLocalSize() - InsetPadding * 2.0f;
	const FVector2D TopLeft = AllottedGeometry.LocalToAbsolute(InsetPadding + FVector2D(Progress.Left * Inside.X, Progress.Top * Inside.Y));
	const FVector2D BottomRight = AllottedGeometry.LocalToAbsolute(InsetPadding + FVector2D(Progress.Right * Inside.X, Progress.Bottom * Inside.Y));
	OutDrawElements.PushClip(FSlateClippingZone(FSlateRect(TopLeft, BottomRight)));
}

FSlateRect FilledPart(EProgressBarFillType::Type FillType, float Fraction)
{
	switch (FillType)
	{
	case EProgressBarFillType::RightToLeft:
		return FSlateRect(1 - Fraction, 0, 1, 1);
	case EProgressBarFillType::FillFromCenter:
		return FSlateRect(0.5f - Fraction / 2, 0.5f - Fraction / 2, 0.5f + Fraction / 2, 0.5f + Fraction / 2);
	case EProgressBarFillType::TopToBottom:
		return FSlateRect(0, 0, 1, Fraction);
	case EProgressBarFillType::BottomToTop:
		return FSlateRect(0, 1 - Fraction, 1, 1);
	default:
		return FSlateRect(0, 0, Fraction, 1);
	}
}
} // namespace

void SProgressBar::Construct(const FArguments& InArgs)
{
	Style = InArgs._Style ? InArgs._Style : &FCoreStyle::Get().GetWidgetStyle<FProgressBarStyle>(FName(TEXT("ProgressBar")));
	BarFillType = InArgs._BarFillType;
	Percent = InArgs._Percent;
	FillColorAndOpacity = InArgs._FillColorAndOpacity;
	BorderPadding = InArgs._BorderPadding;
	BackgroundImage = InArgs._BackgroundImage;
	FillImage = InArgs._FillImage;
	MarqueeImage = InArgs._MarqueeImage;
	RefreshRate = InArgs._RefreshRate;
}

FVector2D SProgressBar::ComputeDesiredSize(float) const { return GetMarqueeImage()->ImageSize; }

int32 SProgressBar::OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect,
							FSlateWindowElementList& OutDrawElements, int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const
{
	const ESlateDrawEffect DrawEffects = ShouldBeEnabled(bParentEnabled) ? ESlateDrawEffect::None : ESlateDrawEffect::DisabledEffect;
	const FLinearColor Tint = InWidgetStyle.GetColorAndOpacityTint();
	const FVector2D Padding = BorderPadding.Get(FVector2D(1, 0));
	int32 RetLayerId = LayerId;

	const FSlateBrush* Background = GetBackgroundImage();
	FSlateDrawElement::MakeBox(OutDrawElements, RetLayerId++, AllottedGeometry.ToPaintGeometry(), Background, DrawEffects,
							   Multiply(Tint, Background->GetTint(InWidgetStyle)));

	const TOptional<float> ProgressFraction = Percent.Get(TOptional<float>());
	if (ProgressFraction.IsSet())
	{
		// The fill covers the whole bar and is clipped to the filled part.
		const float Clamped = std::clamp(ProgressFraction.GetValue(), 0.0f, 1.0f);
		const FSlateBrush* Fill = GetFillImage();
		const FLinearColor FillColour =
			Multiply(Multiply(Tint, FillColorAndOpacity.Get(FSlateColor(FLinearColor::White)).GetColor(InWidgetStyle)), Fill->GetTint(InWidgetStyle));
		PushFillClip(OutDrawElements, AllottedGeometry, Padding, FilledPart(BarFillType, Clamped));
		FSlateDrawElement::MakeBox(OutDrawElements, RetLayerId++, AllottedGeometry.ToPaintGeometry(), Fill, DrawEffects, FillColour);
		OutDrawElements.PopClip();
	}
	else
	{
		// The marquee is one image wider than the bar so that it can slide along; the stand-in
		// draws it still, at the start of its run.
		const FSlateBrush* Marquee = GetMarqueeImage();
		const float ImageWidth = Marquee->ImageSize.X;
		PushFillClip(OutDrawElements, AllottedGeometry, Padding, FSlateRect(0, 0, 1, 1));
		FSlateDrawElement::MakeBox(OutDrawElements, RetLayerId++,
								   AllottedGeometry.ToPaintGeometry(FVector2D(-ImageWidth, 0), AllottedGeometry.GetLocalSize() + FVector2D(ImageWidth, 0)), Marquee,
								   DrawEffects, Multiply(Tint, Marquee->GetTint(InWidgetStyle)));
		OutDrawElements.PopClip();
	}
	return RetLayerId - 1;
}
