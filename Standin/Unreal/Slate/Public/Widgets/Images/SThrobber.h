#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

// The "working" indicator: a row of pulsing pieces (drawn still in the headless renderer).
class SThrobber : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SThrobber) : _NumPieces(3) {}
	SLATE_ARGUMENT(int32, NumPieces)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
	FString GetStandinLabel() const override { return FString(); }

	static constexpr float PieceSize = 16.0f;

protected:
	FVector2D ComputeDesiredSize(float LayoutScaleMultiplier) const override;
	void OnPaintSelf(const FGeometry& AllottedGeometry, Standin::Slate::FPaintContext& Context) const override;

	int32 NumPieces = 3;
};
