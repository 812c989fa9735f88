#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

// A text, measured and drawn with the Roboto face; with AutoWrapText it wraps at the width it is
// given (learnt from the previous arrangement, as in Slate).
class STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _Text(), _TextStyle(&FCoreStyle::Get().GetWidgetStyle<FTextBlockStyle>(FName(TEXT("NormalText")))), _Font(), _ColorAndOpacity(),
		  _WrapTextAt(0.0f), _AutoWrapText(false), _Margin(FMargin(0)), _Justification(ETextJustify::Left), _MinDesiredWidth(0.0f)
	{
	}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
	SLATE_ATTRIBUTE(FSlateFontInfo, Font)
	SLATE_ATTRIBUTE(FSlateColor, ColorAndOpacity)
	SLATE_ATTRIBUTE(float, WrapTextAt)
	SLATE_ATTRIBUTE(bool, AutoWrapText)
	SLATE_ATTRIBUTE(FMargin, Margin)
	SLATE_ATTRIBUTE(ETextJustify::Type, Justification)
	SLATE_ATTRIBUTE(float, MinDesiredWidth)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	const FText& GetText() const { return BoundText.Get(); }
	void SetText(const TAttribute<FText>& InText) { BoundText = InText; }
	void SetText(const FText& InText) { BoundText = InText; }
	void SetFont(const TAttribute<FSlateFontInfo>& InFont) { Font = InFont; }
	void SetColorAndOpacity(const TAttribute<FSlateColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }
	void SetAutoWrapText(const TAttribute<bool>& InAutoWrapText) { AutoWrapText = InAutoWrapText; }
	void SetWrapTextAt(const TAttribute<float>& InWrapTextAt) { WrapTextAt = InWrapTextAt; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

	FSlateFontInfo GetFont() const;
	// The width the text wraps at when given the widget's width (0: it does not wrap).
	float WrapWidthFor(float GivenWidth) const;

	TAttribute<FText> BoundText;
	const FTextBlockStyle* TextStyle = nullptr;
	TAttribute<FSlateFontInfo> Font;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<float> WrapTextAt;
	TAttribute<bool> AutoWrapText;
	TAttribute<FMargin> Margin;
	TAttribute<float> MinDesiredWidth;
};
