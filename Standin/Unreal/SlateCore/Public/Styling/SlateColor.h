#pragma once

#include "CoreMinimal.h"
#include "Styling/WidgetStyle.h"

namespace ESlateColorStylingMode
{
enum Type
{
	UseColor_Specified,
	UseColor_Foreground,
	UseColor_Foreground_Subdued,
};
}

// A colour, or "use the foreground colour inherited from the parent widget".
struct FSlateColor
{
	FSlateColor() : SpecifiedColor(FLinearColor(1, 0, 1, 1)), ColorUseRule(ESlateColorStylingMode::UseColor_Foreground) {}
	FSlateColor(const FLinearColor& InColor) : SpecifiedColor(InColor), ColorUseRule(ESlateColorStylingMode::UseColor_Specified) {}

	static FSlateColor UseForeground() { return FSlateColor(); }
	static FSlateColor UseSubduedForeground()
	{
		FSlateColor Result;
		Result.ColorUseRule = ESlateColorStylingMode::UseColor_Foreground_Subdued;
		return Result;
	}

	const FLinearColor& GetColor(const FWidgetStyle& InWidgetStyle) const;
	const FLinearColor& GetSpecifiedColor() const { return SpecifiedColor; }
	bool IsColorSpecified() const { return ColorUseRule == ESlateColorStylingMode::UseColor_Specified; }

	bool operator==(const FSlateColor& Other) const
	{
		return ColorUseRule == Other.ColorUseRule && (ColorUseRule != ESlateColorStylingMode::UseColor_Specified || SpecifiedColor == Other.SpecifiedColor);
	}
	bool operator!=(const FSlateColor& Other) const { return !(*this == Other); }

private:
	FLinearColor SpecifiedColor;
	ESlateColorStylingMode::Type ColorUseRule;
};
