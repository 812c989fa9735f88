// What widgets paint: draw elements (boxes and text) in a window's element list, in layers. The
// headless renderer rasterises the list; nothing is drawn while widgets paint.
#pragma once

#include "CoreMinimal.h"
#include "Fonts/SlateFontInfo.h"
#include "Layout/Clipping.h"
#include "Layout/PaintGeometry.h"
#include "Rendering/RenderingCommon.h"

struct FSlateBrush;
class SWindow;

// The data of one element: what it draws.
struct FSlateDataPayload
{
	FLinearColor Tint = FLinearColor::White;
	const FSlateBrush* BrushResource = nullptr;
	FSlateFontInfo FontInfo;
	FString ImmutableText;
};

class FSlateWindowElementList;

class FSlateDrawElement
{
public:
	enum EElementType
	{
		ET_Box,
		ET_DebugQuad,
		ET_Text,
		ET_ShapedText,
		ET_Spline,
		ET_Line,
		ET_Gradient,
		ET_Viewport,
		ET_Border,
		ET_Custom,
		ET_CustomVerts,
		ET_PostProcessPass,
		ET_Count,
	};

	// A brush over the geometry: drawn whole, as a box or as a border, by the brush's kind.
	static void MakeBox(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FSlateBrush* InBrush,
						ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);
	// One line of text with its top-left corner at the geometry's position.
	static void MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText,
						 const int32 StartIndex, const int32 EndIndex, const FSlateFontInfo& InFontInfo,
						 ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None, const FLinearColor& InTint = FLinearColor::White);
	static void MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText,
						 const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None,
						 const FLinearColor& InTint = FLinearColor::White);
	static void MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FText& InText,
						 const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects = ESlateDrawEffect::None,
						 const FLinearColor& InTint = FLinearColor::White);

	EElementType GetElementType() const { return ElementType; }
	uint32 GetLayer() const { return Layer; }
	const FVector2D& GetPosition() const { return Position; }
	const FVector2D& GetLocalSize() const { return LocalSize; }
	float GetScale() const { return Scale; }
	ESlateDrawEffect GetDrawEffects() const { return DrawEffects; }
	const FSlateDataPayload& GetDataPayload() const { return DataPayload; }
	// The clip state (of the element list's clipping manager) in force when it was made; INDEX_NONE for none.
	int32 GetClippingIndex() const { return ClippingIndex; }

private:
	static FSlateDrawElement& MakeElement(FSlateWindowElementList& ElementList, EElementType InType, uint32 InLayer,
										  const FPaintGeometry& PaintGeometry, ESlateDrawEffect InDrawEffects);

	EElementType ElementType = ET_Box;
	uint32 Layer = 0;
	FVector2D Position;
	FVector2D LocalSize;
	float Scale = 1.0f;
	ESlateDrawEffect DrawEffects = ESlateDrawEffect::None;
	int32 ClippingIndex = INDEX_NONE;
	FSlateDataPayload DataPayload;
};

// Everything painted into one window in a frame, in the order it was painted.
class FSlateWindowElementList
{
public:
	explicit FSlateWindowElementList(const TSharedPtr<SWindow>& InPaintWindow);

	SWindow* GetPaintWindow() const { return PaintWindow.Get(); }
	const TArray<FSlateDrawElement>& GetDrawElements() const { return DrawElements; }
	FSlateDrawElement& AddUninitialized();

	void PushClip(const FSlateClippingZone& InClipZone) { ClippingManager.PushClip(InClipZone); }
	void PopClip() { ClippingManager.PopClip(); }
	int32 GetClippingIndex() const { return ClippingManager.GetClippingIndex(); }
	const FSlateClippingManager& GetClippingManager() const { return ClippingManager; }

	void ResetElementList();

private:
	TSharedPtr<SWindow> PaintWindow;
	TArray<FSlateDrawElement> DrawElements;
	FSlateClippingManager ClippingManager;
};
