#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

#include <string>
#include <vector>

// A text, measured and drawn with the Roboto face; with AutoWrapText it wraps at the width it is
// given (learnt from the previous arrangement, as in Slate).
class STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _Text(), _TextStyle(&FTextBlockStyle::GetDefault()), _ColorAndOpacity(), _WrapTextAt(0.0f), _AutoWrapText(false),
		  _Margin(FMargin(0)), _Justification(ETextJustify::Left), _MinDesiredWidth(0.0f)
	{
	}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
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
	void SetColorAndOpacity(const TAttribute<FSlateColor>& InColorAndOpacity) { ColorAndOpacity = InColorAndOpacity; }
	void SetAutoWrapText(const TAttribute<bool>& InAutoWrapText) { AutoWrapText = InAutoWrapText; }
	void SetWrapTextAt(const TAttribute<float>& InWrapTextAt) { WrapTextAt = InWrapTextAt; }

	FString GetStandinLabel() const override { return GetText().ToString(); }
	bool StandinNeedsRelayout() const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const override;

	// The width the text wraps at when given the widget's width (0: it does not wrap).
	float WrapWidthFor(float GivenWidth) const;
	std::vector<std::u16string> LinesFor(float GivenWidth) const;

	TAttribute<FText> BoundText;
	const FTextBlockStyle* TextStyle = nullptr;
	TAttribute<FSlateColor> ColorAndOpacity;
	TAttribute<float> WrapTextAt;
	TAttribute<bool> AutoWrapText;
	TAttribute<FMargin> Margin;
	TAttribute<float> MinDesiredWidth;
	mutable std::vector<std::u16string> MeasuredLines;
};
