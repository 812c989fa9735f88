#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateTypes.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/Input/SButton.h"

// An underlined text that runs OnNavigate when clicked: a button drawn as an underline around a text block.
class SHyperlink : public SButton
{
public:
	SLATE_BEGIN_ARGS(SHyperlink)
		: _Text(), _Style(&FCoreStyle::Get().GetWidgetStyle<FHyperlinkStyle>(FName(TEXT("Hyperlink")))), _TextStyle(nullptr), _UnderlineStyle(nullptr),
		  _Padding()
	{
	}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_STYLE_ARGUMENT(FHyperlinkStyle, Style)
	SLATE_STYLE_ARGUMENT(FTextBlockStyle, TextStyle)
	SLATE_STYLE_ARGUMENT(FButtonStyle, UnderlineStyle)
	SLATE_ATTRIBUTE(FMargin, Padding)
	SLATE_EVENT(FSimpleDelegate, OnNavigate)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

protected:
	FReply Hyperlink_OnClicked();

	FSimpleDelegate OnNavigate;
};
