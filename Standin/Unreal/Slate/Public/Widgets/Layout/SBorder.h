#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateBrush.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

// One child drawn over a brush (by default Slate's plain "Border" box).
class SBorder : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SBorder)
		: _Content(), _HAlign(HAlign_Fill), _VAlign(VAlign_Fill), _Padding(FMargin(2.0f)),
		  _BorderImage(FCoreStyle::Get().GetBrush(FName(TEXT("Border")))), _ColorAndOpacity(FLinearColor::White),
		  _BorderBackgroundColor(FLinearColor::White), _ForegroundColor(FSlateColor::UseForeground()), _ShowEffectWhenDisabled(true)
	{
	}

	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
	SLATE_ARGUMENT(EVerticalAlignment, VAlign)
	SLATE_ATTRIBUTE(FMargin, Padding)
	SLATE_ATTRIBUTE(const FSlateBrush*, BorderImage)
	SLATE_ATTRIBUTE(FLinearColor, ColorAndOpacity)
	SLATE_ATTRIBUTE(FSlateColor, BorderBackgroundColor)
	SLATE_ATTRIBUTE(FSlateColor, ForegroundColor)
	SLATE_ARGUMENT(bool, ShowEffectWhenDisabled)
	SLATE_END_ARGS()

	SBorder();
	void Construct(const FArguments& InArgs);
	void SetContent(const TSharedRef<SWidget>& InContent) { ChildSlot[InContent]; }
	const TSharedRef<SWidget>& GetContent() const { return ChildSlot.GetWidget(); }
	void SetBorderImage(const TAttribute<const FSlateBrush*>& InBorderImage) { BorderImage = InBorderImage; }
	void SetBorderBackgroundColor(const TAttribute<FSlateColor>& InColor) { BorderBackgroundColor = InColor; }
	void SetPadding(const TAttribute<FMargin>& InPadding) { ChildSlot.Padding(InPadding); }
	void SetHAlign(EHorizontalAlignment HAlign) { ChildSlot.HAlign(HAlign); }
	void SetVAlign(EVerticalAlignment VAlign) { ChildSlot.VAlign(VAlign); }
	void SetShowEffectWhenDisabled(const TAttribute<bool>& InShowEffectWhenDisabled) { ShowDisabledEffect = InShowEffectWhenDisabled; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	TAttribute<const FSlateBrush*> BorderImage;
	TAttribute<FSlateColor> BorderBackgroundColor;
	TAttribute<bool> ShowDisabledEffect;
};
