#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

// A one-line text field. The headless window types into it with StandinTypeText.
class SEditableTextBox : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SEditableTextBox) : _Text(), _HintText(), _IsReadOnly(false), _MinDesiredWidth(0.0f) {}
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

	// Replaces the whole text as typing would and reports it through OnTextChanged. False when the
	// box is read-only or disabled.
	bool StandinTypeText(const FText& NewText);
	FString GetStandinLabel() const override { return GetText().ToString(); }

	static constexpr float HorizontalPadding = 6.0f;
	static constexpr float VerticalPadding = 4.0f;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const override;
	// A bound Text attribute whose value changed replaces what was typed, as Slate does each tick.
	void SyncFromBoundText() const;

	TAttribute<FText> BoundText;
	TAttribute<FText> HintText;
	TAttribute<bool> IsReadOnly;
	TAttribute<float> MinDesiredWidth;
	FOnTextChanged OnTextChanged;
	FOnTextCommitted OnTextCommitted;
	mutable FText EditedText;
	mutable FString LastBoundValue;
};
