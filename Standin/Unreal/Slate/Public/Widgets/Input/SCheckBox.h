#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

// A check box with its content (usually a label) to the right of the box.
class SCheckBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SCheckBox)
		: _Content(), _IsChecked(ECheckBoxState::Unchecked), _HAlign(HAlign_Fill), _Padding(FMargin(4.0f, 0.0f, 0.0f, 0.0f)),
		  _ForegroundColor(FSlateColor::UseForeground())
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_EVENT(FOnCheckStateChanged, OnCheckStateChanged)
	SLATE_ATTRIBUTE(ECheckBoxState, IsChecked)
	SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
	SLATE_ATTRIBUTE(FMargin, Padding)
	SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	bool IsChecked() const { return GetCheckedState() == ECheckBoxState::Checked; }
	ECheckBoxState GetCheckedState() const { return IsCheckboxChecked.Get(ECheckBoxState::Unchecked); }
	void SetIsChecked(TAttribute<ECheckBoxState> InIsChecked) { IsCheckboxChecked = InIsChecked; }
	// As a click does: flips the state (kept by the box itself unless IsChecked is bound) and reports it.
	void ToggleCheckedState();

	FString GetStandinLabel() const override;
	bool IsStandinClickable() const override { return true; }
	FReply StandinClick() override;

	static constexpr float BoxSize = 14.0f;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const override;

	TAttribute<ECheckBoxState> IsCheckboxChecked;
	FOnCheckStateChanged OnCheckStateChanged;
};
