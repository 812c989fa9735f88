#pragma once

#include "CoreMinimal.h"

#include <memory>
#include <vector>

class SWidget;

// The children of a widget, as a list of widgets.
class FChildren
{
public:
	virtual ~FChildren() = default;
	virtual int32 Num() const = 0;
	virtual TSharedRef<SWidget> GetChildAt(int32 Index) = 0;
	virtual TSharedRef<const SWidget> GetChildAt(int32 Index) const = 0;
};

class FNoChildren : public FChildren
{
public:
	int32 Num() const override { return 0; }
	TSharedRef<SWidget> GetChildAt(int32 Index) override;
	TSharedRef<const SWidget> GetChildAt(int32 Index) const override;
};

// Children held in slots that the panel owns (SVerticalBox::FSlot, SOverlay::FOverlaySlot, ...).
template <typename SlotType>
class TPanelChildren : public FChildren
{
public:
	int32 Num() const override { return static_cast<int32>(Slots.size()); }
	TSharedRef<SWidget> GetChildAt(int32 Index) override { return Slots[Index]->GetWidget(); }
	TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return Slots[Index]->GetWidget(); }

	// Takes ownership of a slot made with `new` (as the Slot() functions do).
	int32 Add(SlotType* Slot)
	{
		Slots.emplace_back(Slot);
		return Num() - 1;
	}
	void Empty() { Slots.clear(); }
	void RemoveAt(int32 Index) { Slots.erase(Slots.begin() + Index); }
	SlotType& operator[](int32 Index) { return *Slots[Index]; }
	const SlotType& operator[](int32 Index) const { return *Slots[Index]; }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Num(); }

private:
	std::vector<std::unique_ptr<SlotType>> Slots;
};
