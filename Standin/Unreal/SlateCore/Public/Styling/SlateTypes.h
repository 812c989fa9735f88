#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"
#include "Types/SlateEnums.h"

#define SLATE_STYLE_SETTER(Type, Member, Setter)                                                                      \
	auto& Setter(const Type& In##Member)                                                                              \
	{                                                                                                                 \
		Member = In##Member;                                                                                          \
		return *this;                                                                                                 \
	}

// How a button looks in each state, and how far its content sits from its edges.
struct FButtonStyle : public FSlateWidgetStyle
{
	FButtonStyle();

	FSlateBrush Normal;
	FSlateBrush Hovered;
	FSlateBrush Pressed;
	FSlateBrush Disabled;
	FMargin NormalPadding;
	FMargin PressedPadding;

	SLATE_STYLE_SETTER(FSlateBrush, Normal, SetNormal)
	SLATE_STYLE_SETTER(FSlateBrush, Hovered, SetHovered)
	SLATE_STYLE_SETTER(FSlateBrush, Pressed, SetPressed)
	SLATE_STYLE_SETTER(FSlateBrush, Disabled, SetDisabled)
	SLATE_STYLE_SETTER(FMargin, NormalPadding, SetNormalPadding)
	SLATE_STYLE_SETTER(FMargin, PressedPadding, SetPressedPadding)

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FButtonStyle& GetDefault();
};

// The font and colour of a text block.
struct FTextBlockStyle : public FSlateWidgetStyle
{
	FTextBlockStyle();

	FSlateFontInfo Font;
	FSlateColor ColorAndOpacity;

	SLATE_STYLE_SETTER(FSlateFontInfo, Font, SetFont)
	SLATE_STYLE_SETTER(FSlateColor, ColorAndOpacity, SetColorAndOpacity)
	FTextBlockStyle& SetFontSize(uint16 InSize)
	{
		Font.Size = InSize;
		return *this;
	}
	FTextBlockStyle& SetTypefaceFontName(const FName& InTypefaceFontName)
	{
		Font.TypefaceFontName = InTypefaceFontName;
		return *this;
	}

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FTextBlockStyle& GetDefault();
};

// The images of a check box in each state.
struct FCheckBoxStyle : public FSlateWidgetStyle
{
	FCheckBoxStyle();

	FSlateBrush UncheckedImage;
	FSlateBrush CheckedImage;
	FSlateBrush UndeterminedImage;
	FMargin Padding;

	SLATE_STYLE_SETTER(FSlateBrush, UncheckedImage, SetUncheckedImage)
	SLATE_STYLE_SETTER(FSlateBrush, CheckedImage, SetCheckedImage)
	SLATE_STYLE_SETTER(FSlateBrush, UndeterminedImage, SetUndeterminedImage)
	SLATE_STYLE_SETTER(FMargin, Padding, SetPadding)

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FCheckBoxStyle& GetDefault();
};

// A hyperlink: a button drawn as an underline, with its text style.
struct FHyperlinkStyle : public FSlateWidgetStyle
{
	FHyperlinkStyle();

	FButtonStyle UnderlineStyle;
	FTextBlockStyle TextStyle;
	FMargin Padding;

	SLATE_STYLE_SETTER(FButtonStyle, UnderlineStyle, SetUnderlineStyle)
	SLATE_STYLE_SETTER(FTextBlockStyle, TextStyle, SetTextStyle)
	SLATE_STYLE_SETTER(FMargin, Padding, SetPadding)

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FHyperlinkStyle& GetDefault();
};

// A one-line text box: its background when editable and when read-only, its font and padding.
struct FEditableTextBoxStyle : public FSlateWidgetStyle
{
	FEditableTextBoxStyle();

	FSlateBrush BackgroundImageNormal;
	FSlateBrush BackgroundImageReadOnly;
	FSlateFontInfo Font;
	FSlateColor ForegroundColor;
	FMargin Padding;

	SLATE_STYLE_SETTER(FSlateBrush, BackgroundImageNormal, SetBackgroundImageNormal)
	SLATE_STYLE_SETTER(FSlateBrush, BackgroundImageReadOnly, SetBackgroundImageReadOnly)
	SLATE_STYLE_SETTER(FSlateFontInfo, Font, SetFont)
	SLATE_STYLE_SETTER(FSlateColor, ForegroundColor, SetForegroundColor)
	SLATE_STYLE_SETTER(FMargin, Padding, SetPadding)

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FEditableTextBoxStyle& GetDefault();
};

// A progress bar: its background, the filled part, and the moving marquee of an unknown amount.
struct FProgressBarStyle : public FSlateWidgetStyle
{
	FProgressBarStyle();

	FSlateBrush BackgroundImage;
	FSlateBrush FillImage;
	FSlateBrush MarqueeImage;

	SLATE_STYLE_SETTER(FSlateBrush, BackgroundImage, SetBackgroundImage)
	SLATE_STYLE_SETTER(FSlateBrush, FillImage, SetFillImage)
	SLATE_STYLE_SETTER(FSlateBrush, MarqueeImage, SetMarqueeImage)

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FProgressBarStyle& GetDefault();
};

#undef SLATE_STYLE_SETTER
