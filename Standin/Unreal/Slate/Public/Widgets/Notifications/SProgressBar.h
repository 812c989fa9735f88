#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

namespace EProgressBarFillType
{
enum Type
{
	LeftToRight,
	RightToLeft,
	FillFromCenter,
	TopToBottom,
	BottomToTop,
};
}

// A bar filled to Percent (0 to 1; outside that it is clamped). Without a percent the amount is
// unknown and the bar shows a marquee instead.
class SProgressBar : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SProgressBar)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FProgressBarStyle>(FName(TEXT("ProgressBar")))), _BarFillType(EProgressBarFillType::LeftToRight),
		  _Percent(TOptional<float>()), _FillColorAndOpacity(FLinearColor::White), _BorderPadding(FVector2D(1, 0)), _BackgroundImage(nullptr),
		  _FillImage(nullptr), _MarqueeImage(nullptr), _RefreshRate(2.0f)
	{
		_Visibility = EVisibility::SelfHitTestInvisible;
	}
	SLATE_STYLE_ARGUMENT(FProgressBarStyle, Style)
	SLATE_ARGUMENT(EProgressBarFillType::Type, BarFillType)
	SLATE_ATTRIBUTE(TOptional<float>, Percent)
	SLATE_ATTRIBUTE(FSlateColor, FillColorAndOpacity)
	SLATE_ATTRIBUTE(FVector2D, BorderPadding)
	SLATE_ARGUMENT(const FSlateBrush*, BackgroundImage)
	SLATE_ARGUMENT(const FSlateBrush*, FillImage)
	SLATE_ARGUMENT(const FSlateBrush*, MarqueeImage)
	SLATE_ARGUMENT(float, RefreshRate)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	void SetPercent(TAttribute<TOptional<float>> InPercent) { Percent = InPercent; }
	void SetStyle(const FProgressBarStyle* InStyle) { Style = InStyle; }
	void SetBarFillType(EProgressBarFillType::Type InBarFillType) { BarFillType = InBarFillType; }
	void SetFillColorAndOpacity(TAttribute<FSlateColor> InFillColorAndOpacity) { FillColorAndOpacity = InFillColorAndOpacity; }
	void SetBorderPadding(TAttribute<FVector2D> InBorderPadding) { BorderPadding = InBorderPadding; }
	void SetBackgroundImage(const FSlateBrush* InBackgroundImage) { BackgroundImage = InBackgroundImage; }
	void SetFillImage(const FSlateBrush* InFillImage) { FillImage = InFillImage; }
	void SetMarqueeImage(const FSlateBrush* InMarqueeImage) { MarqueeImage = InMarqueeImage; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

	const FSlateBrush* GetBackgroundImage() const { return BackgroundImage ? BackgroundImage : &Style->BackgroundImage; }
	const FSlateBrush* GetFillImage() const { return FillImage ? FillImage : &Style->FillImage; }
	const FSlateBrush* GetMarqueeImage() const { return MarqueeImage ? MarqueeImage : &Style->MarqueeImage; }

	const FProgressBarStyle* Style = nullptr;
	EProgressBarFillType::Type BarFillType = EProgressBarFillType::LeftToRight;
	TAttribute<TOptional<float>> Percent;
	TAttribute<FSlateColor> FillColorAndOpacity;
	TAttribute<FVector2D> BorderPadding;
	const FSlateBrush* BackgroundImage = nullptr;
	const FSlateBrush* FillImage = nullptr;
	const FSlateBrush* MarqueeImage = nullptr;
	float RefreshRate = 2.0f;
};
