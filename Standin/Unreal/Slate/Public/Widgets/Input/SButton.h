#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Layout/SBorder.h"

// A clickable border; with Text and no content it shows the text centred in a text block.
class SButton : public SBorder
{
public:
	SLATE_BEGIN_ARGS(SButton)
		: _Content(), _ButtonStyle(&FCoreStyle::Get().GetWidgetStyle<FButtonStyle>(FName(TEXT("Button")))),
		  _TextStyle(&FTextBlockStyle::GetDefault()), _HAlign(HAlign_Fill), _VAlign(VAlign_Fill), _ContentPadding(FMargin(4.0f, 2.0f)),
		  _Text(), _ButtonColorAndOpacity(FLinearColor::White), _ForegroundColor(FSlateColor::UseForeground()), _IsFocusable(true)
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_STYLE_ARGUMENT(FButtonStyle, ButtonStyle)
	SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
	SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
	SLATE_ARGUMENT(EVerticalAlignment, VAlign)
	SLATE_ATTRIBUTE(FMargin, ContentPadding)
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_EVENT(FOnClicked, OnClicked)
	SLATE_ATTRIBUTE(FSlateColor, ButtonColorAndOpacity)
	SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
	SLATE_ARGUMENT(bool, IsFocusable)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	void SetOnClicked(FOnClicked InOnClicked) { OnClicked = InOnClicked; }
	void SetButtonStyle(const FButtonStyle* InStyle) { Style = InStyle; }
	bool IsPressed() const { return false; }

	FString GetStandinLabel() const override;
	bool IsStandinClickable() const override { return true; }
	FReply StandinClick() override;

protected:
	void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const override;

	const FButtonStyle* Style = nullptr;
	TAttribute<FText> Text;
	FOnClicked OnClicked;
	TAttribute<FSlateColor> ButtonColorAndOpacity;
};
