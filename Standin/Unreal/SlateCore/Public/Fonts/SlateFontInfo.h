#pragma once

#include "CoreMinimal.h"

// A font: its typeface ("Regular", "Bold", ...) and its size in points. The headless toolkit
// always uses Roboto (see FCoreStyle::GetDefaultFontStyle).
struct FSlateFontInfo
{
	FSlateFontInfo() = default;

	bool operator==(const FSlateFontInfo& Other) const { return TypefaceFontName == Other.TypefaceFontName && Size == Other.Size; }
	bool operator!=(const FSlateFontInfo& Other) const { return !(*this == Other); }

	FName TypefaceFontName;
	int32 Size = 24;
};
