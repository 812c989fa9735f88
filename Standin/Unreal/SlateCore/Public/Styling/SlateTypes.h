#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Styling/SlateBrush.h"
#include "Styling/SlateColor.h"
#include "Styling/SlateWidgetStyle.h"

// How a button looks in each state. A default-constructed style's brushes are plain image brushes
// without an image; the headless renderer draws those with the editor's button look.
struct FButtonStyle : public FSlateWidgetStyle
{
	FButtonStyle();

	FSlateBrush Normal;
	FSlateBrush Hovered;
	FSlateBrush Pressed;
	FSlateBrush Disabled;
	FMargin NormalPadding;
	FMargin PressedPadding;

	FButtonStyle& SetNormal(const FSlateBrush& InNormal)
	{
		Normal = InNormal;
		return *this;
	}
	FButtonStyle& SetHovered(const FSlateBrush& InHovered)
	{
		Hovered = InHovered;
		return *this;
	}
	FButtonStyle& SetPressed(const FSlateBrush& InPressed)
	{
		Pressed = InPressed;
		return *this;
	}
	FButtonStyle& SetDisabled(const FSlateBrush& InDisabled)
	{
		Disabled = InDisabled;
		return *this;
	}
	FButtonStyle& SetNormalPadding(const FMargin& InNormalPadding)
	{
		NormalPadding = InNormalPadding;
		return *this;
	}
	FButtonStyle& SetPressedPadding(const FMargin& InPressedPadding)
	{
		PressedPadding = InPressedPadding;
		return *this;
	}

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FButtonStyle& GetDefault();
};

// The font and colour of a text block.
struct FTextBlockStyle : public FSlateWidgetStyle
{
	FTextBlockStyle();

	float FontSize;
	bool bBold;
	FSlateColor ColorAndOpacity;

	FTextBlockStyle& SetFontSize(float InSize)
	{
		FontSize = InSize;
		return *this;
	}
	FTextBlockStyle& SetColorAndOpacity(const FSlateColor& InColorAndOpacity)
	{
		ColorAndOpacity = InColorAndOpacity;
		return *this;
	}

	static const FName TypeName;
	const FName GetTypeName() const override { return TypeName; }
	static const FTextBlockStyle& GetDefault();
};
