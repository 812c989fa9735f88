#include "Rendering/DrawElements.h"

#include "Layout/Clipping.h"

FSlateDrawElement& FSlateDrawElement::MakeElement(FSlateWindowElementList& ElementList, EElementType InType, uint32 InLayer,
												  const FPaintGeometry& PaintGeometry, ESlateDrawEffect InDrawEffects)
{
	FSlateDrawElement& Element = ElementList.AddUninitialized();
	Element.ElementType = InType;
	Element.Layer = InLayer;
	Element.Position = PaintGeometry.DrawPosition;
	Element.LocalSize = PaintGeometry.DrawSize;
	Element.Scale = PaintGeometry.DrawScale;
	Element.DrawEffects = InDrawEffects;
	Element.ClippingIndex = ElementList.GetClippingIndex();
	return Element;
}

void FSlateDrawElement::MakeBox(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FSlateBrush* InBrush,
								ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	FSlateDrawElement& Element = MakeElement(ElementList, ET_Box, InLayer, PaintGeometry, InDrawEffects);
	Element.DataPayload.BrushResource = InBrush;
	Element.DataPayload.Tint = InTint;
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText,
								 const int32 StartIndex, const int32 EndIndex, const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects,
								 const FLinearColor& InTint)
{
	FSlateDrawElement& Element = MakeElement(ElementList, ET_Text, InLayer, PaintGeometry, InDrawEffects);
	Element.DataPayload.ImmutableText = InText.Mid(StartIndex, EndIndex - StartIndex);
	Element.DataPayload.FontInfo = InFontInfo;
	Element.DataPayload.Tint = InTint;
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FString& InText,
								 const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	MakeText(ElementList, InLayer, PaintGeometry, InText, 0, InText.Len(), InFontInfo, InDrawEffects, InTint);
}

void FSlateDrawElement::MakeText(FSlateWindowElementList& ElementList, uint32 InLayer, const FPaintGeometry& PaintGeometry, const FText& InText,
								 const FSlateFontInfo& InFontInfo, ESlateDrawEffect InDrawEffects, const FLinearColor& InTint)
{
	MakeText(ElementList, InLayer, PaintGeometry, InText.ToString(), InFontInfo, InDrawEffects, InTint);
}

FSlateWindowElementList::FSlateWindowElementList(const TSharedPtr<SWindow>& InPaintWindow) : PaintWindow(InPaintWindow) {}

FSlateDrawElement& FSlateWindowElementList::AddUninitialized()
{
	DrawElements.Add(FSlateDrawElement());
	return DrawElements.Last();
}

void FSlateWindowElementList::ResetElementList()
{
	DrawElements.Reset();
	ClippingManager.ResetClippingState();
}

int32 FSlateClippingManager::PushClip(const FSlateClippingZone& InClippingZone)
{
	const int32 Current = GetClippingIndex();
	const FSlateClippingZone Zone =
		Current != INDEX_NONE && ClippingStates[Current].ScissorRect.IsSet() ? ClippingStates[Current].ScissorRect->Intersect(InClippingZone) : InClippingZone;
	const int32 NewIndex = ClippingStates.Add(FSlateClippingState(Zone));
	ClippingStack.Add(NewIndex);
	return NewIndex;
}

void FSlateClippingManager::PopClip()
{
	// As the engine, popping more than was pushed is a programming error.
	check(ClippingStack.Num() > 0);
	ClippingStack.Pop();
}

void FSlateClippingManager::ResetClippingState()
{
	ClippingStack.Reset();
	ClippingStates.Reset();
}
