#pragma once

#include "CoreMinimal.h"

class SWidget;

// The empty widget: takes no space and draws nothing. Slots start out holding it.
class SNullWidget
{
public:
	static TSharedRef<SWidget> NullWidget;
};
