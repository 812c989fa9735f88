#pragma once

#include "CoreMinimal.h"
#include "Layout/ArrangedChildren.h"
#include "Layout/Children.h"
#include "Widgets/SWidget.h"

// A widget without children.
class SLeafWidget : public SWidget
{
public:
	FChildren* GetChildren() override;
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override {}
};
