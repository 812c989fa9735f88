#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

// An underlined text that runs OnNavigate when clicked.
class SHyperlink : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SHyperlink) : _Text(), _Padding(FMargin(0)) {}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_EVENT(FSimpleDelegate, OnNavigate)
	SLATE_ATTRIBUTE(FMargin, Padding)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	FString GetStandinLabel() const override { return Text.Get(FText::GetEmpty()).ToString(); }
	bool IsStandinClickable() const override { return true; }
	FReply StandinClick() override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const override;

	TAttribute<FText> Text;
	FSimpleDelegate OnNavigate;
	TAttribute<FMargin> Padding;
};
