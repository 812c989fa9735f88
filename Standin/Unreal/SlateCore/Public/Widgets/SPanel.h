#pragma once

#include "CoreMinimal.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

// A widget that arranges any number of children.
class SPanel : public SWidget
{
};
