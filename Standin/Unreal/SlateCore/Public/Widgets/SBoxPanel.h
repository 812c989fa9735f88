#pragma once

#include "CoreMinimal.h"
#include "Layout/BasicLayoutWidgetSlot.h"
#include "Layout/Children.h"
#include "SlotBase.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SPanel.h"

// How a box slot is sized along the box: its content's size (auto) or a share of what is left (fill).
struct FSizeParam
{
	enum ESizeRule
	{
		SizeRule_Auto,
		SizeRule_Stretch
	};

	FSizeParam(ESizeRule InTypeOfSize, const TAttribute<float>& InValue) : SizeRule(InTypeOfSize), Value(InValue) {}

	ESizeRule SizeRule;
	TAttribute<float> Value;
};

// A row or column of slots: SHorizontalBox and SVerticalBox.
class SBoxPanel : public SPanel
{
public:
	class FSlot : public FSlotBase
	{
	public:
		FSlot() : HAlignment(HAlign_Fill), VAlignment(VAlign_Fill), SizeParam(FSizeParam::SizeRule_Stretch, 1.0f), MaxSize(0.0f) {}

		EHorizontalAlignment HAlignment;
		EVerticalAlignment VAlignment;
		FSizeParam SizeParam;
		TAttribute<FMargin> SlotPadding = FMargin(0);
		TAttribute<float> MaxSize;
	};

	FChildren* GetChildren() override { return &Children; }
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	int32 NumSlots() const { return Children.Num(); }
	void ClearChildren() { Children.Empty(); }
	// Removes the slot holding the widget; gives its index, or -1 when no slot holds it.
	int32 RemoveSlot(const TSharedRef<SWidget>& SlotWidget);

protected:
	explicit SBoxPanel(EOrientation InOrientation) : Orientation(InOrientation) {}
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

	TPanelChildren<FSlot> Children;
	EOrientation Orientation;
};

// The slot modifiers shared by both boxes; each returns the box's own slot type.
template <typename SlotType>
class TBoxSlotModifiers : public SBoxPanel::FSlot
{
public:
	SlotType& HAlign(EHorizontalAlignment InHAlignment)
	{
		HAlignment = InHAlignment;
		return Self();
	}
	SlotType& VAlign(EVerticalAlignment InVAlignment)
	{
		VAlignment = InVAlignment;
		return Self();
	}
	SlotType& Padding(const TAttribute<FMargin> InPadding)
	{
		SlotPadding = InPadding;
		return Self();
	}
	SlotType& Padding(float Uniform) { return Padding(TAttribute<FMargin>(FMargin(Uniform))); }
	SlotType& Padding(float Horizontal, float Vertical) { return Padding(TAttribute<FMargin>(FMargin(Horizontal, Vertical))); }
	SlotType& Padding(float Left, float Top, float Right, float Bottom)
	{
		return Padding(TAttribute<FMargin>(FMargin(Left, Top, Right, Bottom)));
	}
	SlotType& operator[](const TSharedRef<SWidget>& InWidget)
	{
		AttachWidget(InWidget);
		return Self();
	}
	SlotType& Expose(SlotType*& OutVarToInit)
	{
		OutVarToInit = &Self();
		return Self();
	}

protected:
	SlotType& Self() { return *static_cast<SlotType*>(this); }
	SlotType& Auto()
	{
		SizeParam = FSizeParam(FSizeParam::SizeRule_Auto, 0.0f);
		return Self();
	}
	SlotType& Fill(const TAttribute<float>& StretchCoefficient)
	{
		SizeParam = FSizeParam(FSizeParam::SizeRule_Stretch, StretchCoefficient);
		return Self();
	}
	SlotType& Max(const TAttribute<float>& InMaxSize)
	{
		MaxSize = InMaxSize;
		return Self();
	}
};

class SHorizontalBox : public SBoxPanel
{
public:
	class FSlot : public TBoxSlotModifiers<FSlot>
	{
	public:
		FSlot& AutoWidth() { return Auto(); }
		FSlot& FillWidth(const TAttribute<float>& StretchCoefficient) { return Fill(StretchCoefficient); }
		FSlot& MaxWidth(const TAttribute<float>& InMaxWidth) { return Max(InMaxWidth); }
	};

	static FSlot& Slot() { return *(new FSlot()); }

	SLATE_BEGIN_ARGS(SHorizontalBox) {}
	SLATE_SUPPORTS_SLOT(SHorizontalBox::FSlot)
	SLATE_END_ARGS()

	SHorizontalBox() : SBoxPanel(Orient_Horizontal) {}
	void Construct(const FArguments& InArgs);
	FSlot& AddSlot();
};

class SVerticalBox : public SBoxPanel
{
public:
	class FSlot : public TBoxSlotModifiers<FSlot>
	{
	public:
		FSlot& AutoHeight() { return Auto(); }
		FSlot& FillHeight(const TAttribute<float>& StretchCoefficient) { return Fill(StretchCoefficient); }
		FSlot& MaxHeight(const TAttribute<float>& InMaxHeight) { return Max(InMaxHeight); }
	};

	static FSlot& Slot() { return *(new FSlot()); }

	SLATE_BEGIN_ARGS(SVerticalBox) {}
	SLATE_SUPPORTS_SLOT(SVerticalBox::FSlot)
	SLATE_END_ARGS()

	SVerticalBox() : SBoxPanel(Orient_Vertical) {}
	void Construct(const FArguments& InArgs);
	FSlot& AddSlot();
};
