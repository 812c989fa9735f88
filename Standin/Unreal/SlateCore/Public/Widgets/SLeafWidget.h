#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"

class FArrangedChildren;
class FChildren;

// A widget without children; it paints itself only.
class SLeafWidget : public SWidget
{
public:
	FChildren* GetChildren() override;
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override {}
};
