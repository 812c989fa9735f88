#pragma once

#include "CoreMinimal.h"
#include "Styling/CoreStyle.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

// The "working" indicator: a row of pulsing pieces (drawn still in the headless renderer).
class SThrobber : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SThrobber) : _PieceImage(FCoreStyle::Get().GetBrush(FName(TEXT("Throbber.Chunk")))), _NumPieces(3) {}
	SLATE_ARGUMENT(const FSlateBrush*, PieceImage)
	SLATE_ARGUMENT(int32, NumPieces)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	void SetPieceImage(const FSlateBrush* InPieceImage) { PieceImage = InPieceImage; }
	void SetNumPieces(int InNumPieces) { NumPieces = InNumPieces; }

	int32 OnPaint(const FPaintArgs& Args, const FGeometry& AllottedGeometry, const FSlateRect& MyCullingRect, FSlateWindowElementList& OutDrawElements,
				  int32 LayerId, const FWidgetStyle& InWidgetStyle, bool bParentEnabled) const override;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;

	const FSlateBrush* PieceImage = nullptr;
	int32 NumPieces = 3;
};
