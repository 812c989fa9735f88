#pragma once

#include "CoreMinimal.h"
#include "Styling/ISlateStyle.h"

// Slate's own style ("CoreStyle"): the defaults of the standard widgets, in the editor's dark look.
class FCoreStyle
{
public:
	static const ISlateStyle& Get();
	static const FName& GetStyleSetName();
};
