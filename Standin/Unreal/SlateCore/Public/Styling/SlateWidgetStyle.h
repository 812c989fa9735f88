#pragma once

#include "CoreMinimal.h"

// The base of the widget styles (FButtonStyle, FTextBlockStyle, ...).
struct FSlateWidgetStyle
{
	virtual ~FSlateWidgetStyle() = default;
	virtual const FName GetTypeName() const = 0;
};
