#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

// A one-line text field. Typed characters (OnKeyChar) replace the selection or go at the end of the
// text, and each change is reported through OnTextChanged; a backspace deletes the selection or
// the last character.
class SEditableTextBox : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SEditableTextBox)
		: _Style(&FCoreStyle::Get().GetWidgetStyle<FEditableTextBoxStyle>(FName(TEXT("NormalEditableTextBox")))), _Text(), _HintText(), _IsReadOnly(false),
		  _MinDesiredWidth(0.0f)
	{
	}
	SLATE_STYLE_ARGUMENT(FEditableTextBoxStyle, Style)
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_ATTRIBUTE(FText, HintText)
	SLATE_ATTRIBUTE(bool, IsReadOnly)
	SLATE_ATTRIBUTE(float, MinDesiredWidth)
	SLATE_EVENT(FOnTextChanged, OnTextChanged)
	SLATE_EVENT(FOnTextCommitted, OnTextCommitted)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	FText GetText() const;
	void SetText(const TAttribute<FText>& InNewText);
	void SetHintText(const TAttribute<FText>& InHintText) { HintText = InHintText; }
	void SetIsReadOnly(TAttribute<bool> InIsReadOnly) { IsReadOnly = InIsReadOnly; }
	void SetStyle(const FEditableTextBoxStyle* InStyle) { Style = InStyle; }
	void SelectAllText();
	void ClearSelection();
	bool AnyTextSelected() const { return bAllSelected && !GetText().IsEmpty(); }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	FReply OnKeyChar(const FGeometry& MyGeometry, const FCharacterEvent& InCharacterEvent) override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	// A bound Text attribute whose value changed replaces what was typed, as Slate does each tick.
	void SyncFromBoundText() const;

	const FEditableTextBoxStyle* Style = nullptr;
	TAttribute<FText> BoundText;
	TAttribute<FText> HintText;
	TAttribute<bool> IsReadOnly;
	TAttribute<float> MinDesiredWidth;
	FOnTextChanged OnTextChanged;
	FOnTextCommitted OnTextCommitted;
	mutable FText EditedText;
	mutable FString LastBoundValue;
	bool bAllSelected = false;
};
