#pragma once

#include "CoreMinimal.h"
#include "Styling/SlateBrush.h"

// A brush named by its style set and style name, looked up when it is drawn.
struct FSlateIcon
{
	FSlateIcon() : bIsSet(false) {}
	FSlateIcon(const FName& InStyleSetName, const FName& InStyleName)
		: StyleSetName(InStyleSetName), StyleName(InStyleName), SmallStyleName(FName(*(InStyleName.ToString() + TEXT(".Small")))), bIsSet(true)
	{
	}

	const FName& GetStyleSetName() const { return StyleSetName; }
	const FName& GetStyleName() const { return StyleName; }
	const FName& GetSmallName() const { return SmallStyleName; }
	bool IsSet() const { return bIsSet; }
	// The brush, through FSlateStyleRegistry; null when the style set is not registered.
	const FSlateBrush* GetIcon() const;

private:
	FName StyleSetName;
	FName StyleName;
	FName SmallStyleName;
	bool bIsSet;
};
