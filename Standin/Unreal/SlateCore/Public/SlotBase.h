#pragma once

#include "CoreMinimal.h"
#include "Layout/Children.h"

class SWidget;

// The content every slot holds; starts as SNullWidget::NullWidget.
class FSlotBase
{
public:
	FSlotBase();
	virtual ~FSlotBase() = default;

	const TSharedRef<SWidget>& GetWidget() const { return Widget; }
	void AttachWidget(const TSharedRef<SWidget>& InWidget) { Widget = InWidget; }
	void DetachWidget();

private:
	TSharedRef<SWidget> Widget;
};

template <typename SlotType>
class TSlotBase : public FSlotBase
{
public:
	SlotType& operator[](const TSharedRef<SWidget>& InChildWidget)
	{
		AttachWidget(InChildWidget);
		return static_cast<SlotType&>(*this);
	}
	SlotType& Expose(SlotType*& OutVarToInit)
	{
		OutVarToInit = static_cast<SlotType*>(this);
		return static_cast<SlotType&>(*this);
	}
};
