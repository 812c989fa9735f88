#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "SlotBase.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

// Shows exactly one of its slots, chosen by WidgetIndex (an index out of range shows none). Only
// the shown slot is laid out, painted or reachable.
class SWidgetSwitcher : public SPanel
{
public:
	class FSlot : public TSlotBase<FSlot>, public TSupportsContentAlignmentMixin<FSlot>, public TSupportsContentPaddingMixin<FSlot>
	{
	public:
		FSlot() : TSupportsContentAlignmentMixin<FSlot>(HAlign_Fill, VAlign_Fill) {}
	};

	static FSlot& Slot() { return *(new FSlot()); }

	SLATE_BEGIN_ARGS(SWidgetSwitcher) : _WidgetIndex(0) {}
	SLATE_SUPPORTS_SLOT(SWidgetSwitcher::FSlot)
	SLATE_ATTRIBUTE(int32, WidgetIndex)
	SLATE_END_ARGS()

	SWidgetSwitcher();
	void Construct(const FArguments& InArgs);

	FSlot& AddSlot(int32 SlotIndex = INDEX_NONE);
	int32 GetActiveWidgetIndex() const { return WidgetIndex.Get(0); }
	void SetActiveWidgetIndex(int32 ActiveWidgetIndex) { WidgetIndex = ActiveWidgetIndex; }
	int32 GetNumWidgets() const { return AllChildren.Num(); }
	TSharedPtr<SWidget> GetActiveWidget() const;
	TSharedPtr<SWidget> GetWidget(int32 SlotIndex) const;

	FChildren* GetChildren() override { return &ActiveChild; }
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	const FSlot* GetActiveSlot() const;

	// The children as layout sees them: the active slot's widget only.
	class FActiveChild : public FChildren
	{
	public:
		explicit FActiveChild(SWidgetSwitcher& InOwner) : Owner(InOwner) {}
		int32 Num() const override { return Owner.GetActiveSlot() ? 1 : 0; }
		TSharedRef<SWidget> GetChildAt(int32 Index) override { return Owner.GetActiveSlot()->GetWidget(); }
		TSharedRef<const SWidget> GetChildAt(int32 Index) const override { return Owner.GetActiveSlot()->GetWidget(); }

	private:
		SWidgetSwitcher& Owner;
	};

	TPanelChildren<FSlot> AllChildren;
	FActiveChild ActiveChild;
	TAttribute<int32> WidgetIndex;
};
