#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Styling/ISlateStyle.h"

// Slate's own style ("CoreStyle"): the defaults of the standard widgets, in the editor's dark look.
class FCoreStyle
{
public:
	static const ISlateStyle& Get();
	static const FName& GetStyleSetName();
	// The Roboto face of that typeface ("Regular", "Bold") at that size in points.
	static FSlateFontInfo GetDefaultFontStyle(const FName InTypefaceFontName, const int32 InSize);
};
