#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Types/SlateEnums.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

DECLARE_DELEGATE_OneParam(FOnCheckStateChanged, ECheckBoxState)

// A check box with its content (usually a label) to the right of the box. A click anywhere on it
// (press and release) toggles it.
class SCheckBox : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SCheckBox)
		: _Content(), _Style(&FCoreStyle::Get().GetWidgetStyle<FCheckBoxStyle>(FName(TEXT("Checkbox")))), _IsChecked(ECheckBoxState::Unchecked),
		  _HAlign(HAlign_Fill), _Padding(), _ForegroundColor(FSlateColor::UseForeground())
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_STYLE_ARGUMENT(FCheckBoxStyle, Style)
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
	void SetStyle(const FCheckBoxStyle* InStyle) { Style = InStyle; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnArrangeChildren(const FGeometry& AllottedGeometry, FArrangedChildren& ArrangedChildren) const override;
	const FSlateBrush* GetCheckImage() const;

	const FCheckBoxStyle* Style = nullptr;
	TAttribute<ECheckBoxState> IsCheckboxChecked;
	FOnCheckStateChanged OnCheckStateChanged;
	bool bIsPressed = false;
};
