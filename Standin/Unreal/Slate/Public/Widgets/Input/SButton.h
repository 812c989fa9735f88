#pragma once

#include "CoreMinimal.h"
#include "Framework/SlateDelegates.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Layout/SBorder.h"

// A clickable border; with Text and no content it shows the text in a text block. A click is a
// left-button press and release over the button (OnMouseButtonDown, then OnMouseButtonUp).
class SButton : public SBorder
{
public:
	SLATE_BEGIN_ARGS(SButton)
		: _Content(), _ButtonStyle(&FCoreStyle::Get().GetWidgetStyle<FButtonStyle>(FName(TEXT("Button")))),
		  _TextStyle(&FCoreStyle::Get().GetWidgetStyle<FTextBlockStyle>(FName(TEXT("NormalText")))), _HAlign(HAlign_Fill), _VAlign(VAlign_Fill),
		  _ContentPadding(FMargin(4.0f, 2.0f)), _Text(), _ButtonColorAndOpacity(FLinearColor::White), _ForegroundColor(FSlateColor::UseForeground()),
		  _IsFocusable(true)
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
	bool IsPressed() const { return bIsPressed; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;
	FReply OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;
	FReply OnMouseButtonUp(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent) override;

protected:
	const FSlateBrush* GetBorder() const;

	const FButtonStyle* Style = nullptr;
	FOnClicked OnClicked;
	TAttribute<FSlateColor> ButtonColorAndOpacity;
	bool bIsPressed = false;
};
