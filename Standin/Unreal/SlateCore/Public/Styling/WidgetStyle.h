#pragma once

#include "CoreMinimal.h"

struct FSlateColor;

// What a widget hands down to its children while painting: the tint all their colours are
// multiplied by, and the foreground colour that "use foreground" colours resolve to.
class FWidgetStyle
{
public:
	FWidgetStyle();

	FWidgetStyle& BlendColorAndOpacityTint(const FLinearColor& InTint);
	FWidgetStyle& SetColorAndOpacityTint(const FLinearColor& InTint);
	FWidgetStyle& SetForegroundColor(const TAttribute<FSlateColor>& InForeground);
	FWidgetStyle& SetForegroundColor(const FLinearColor& InForeground);
	FWidgetStyle& BlendOpacity(float InOpacity);

	const FLinearColor& GetColorAndOpacityTint() const { return ColorAndOpacityTint; }
	const FLinearColor& GetForegroundColor() const { return ForegroundColor; }
	const FLinearColor& GetSubduedForegroundColor() const { return SubduedForeground; }

private:
	FLinearColor ColorAndOpacityTint;
	FLinearColor ForegroundColor;
	FLinearColor SubduedForeground;
};
