#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

// The process-wide list of style sets, found by name.
class FSlateStyleRegistry
{
public:
	// Registers a set; a second set of the same name is refused with an ensure report.
	static void RegisterSlateStyle(const ISlateStyle& InSlateStyle);
	static void UnRegisterSlateStyle(const ISlateStyle& InSlateStyle);
	static void UnRegisterSlateStyle(const FName StyleSetName);
	static const ISlateStyle* FindSlateStyle(const FName& InSlateStyleName);
};
