#include "Standin/SlatePaint.h"

#include "Rendering/DrawElements.h"
#include "Standin/StringUtf8.h"
#include "Styling/SlateBrush.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>

namespace Standin::Slate
{
namespace
{
float SrgbToLinear(int Byte)
{
	const float C = Byte / 255.0f;
	return C <= 0.04045f ? C / 12.92f : std::pow((C + 0.055f) / 1.055f, 2.4f);
}
} // namespace

FLinearColor FromSrgb(int R, int G, int B, float A) { return FLinearColor(SrgbToLinear(R), SrgbToLinear(G), SrgbToLinear(B), A); }

namespace Look
{
const FLinearColor WindowBackground = FromSrgb(26, 26, 26);
const FLinearColor PanelBackground = FromSrgb(48, 48, 48);
const FLinearColor PanelOutline = FromSrgb(58, 58, 58);
const FLinearColor DefaultForeground = FromSrgb(220, 220, 220);
const FLinearColor SubduedForeground = FromSrgb(140, 140, 140);
const FLinearColor ButtonNormal = FromSrgb(80, 80, 80);
const FLinearColor ButtonDisabled = FromSrgb(52, 52, 52);
const FLinearColor ButtonOutline = FromSrgb(20, 20, 20);
const FLinearColor InputBackground = FromSrgb(15, 15, 15);
const FLinearColor InputOutline = FromSrgb(74, 74, 74);
const FLinearColor Accent = FLinearColor(0.728f, 0.364f, 0.003f);
const FLinearColor Hyperlink = FromSrgb(96, 164, 255);
const FLinearColor Success = FromSrgb(90, 200, 90);
const FLinearColor Failure = FromSrgb(230, 70, 60);
} // namespace Look

FRgba ToRgba(const FLinearColor& Colour)
{
	const float Alpha = std::clamp(Colour.A, 0.0f, 1.0f);
	return {LinearToSrgbByte(Colour.R), LinearToSrgbByte(Colour.G), LinearToSrgbByte(Colour.B),
			static_cast<std::uint8_t>(std::lround(Alpha * 255.0f))};
}

FRect ToRect(const FSlateRect& Rect) { return {Rect.Left, Rect.Top, Rect.Right, Rect.Bottom}; }

FLinearColor Multiply(const FLinearColor& A, const FLinearColor& B) { return FLinearColor(A.R * B.R, A.G * B.G, A.B * B.B, A.A * B.A); }

EFontWeight WeightOf(const FSlateFontInfo& Font)
{
	return Font.TypefaceFontName == FName(TEXT("Bold")) ? EFontWeight::Bold : EFontWeight::Regular;
}

const FImage* FindBrushImage(const FName& ResourceName)
{
	struct FCached
	{
		std::filesystem::file_time_type WriteTime;
		std::optional<FImage> Image;
	};
	static std::map<std::filesystem::path, FCached> Cache;

	if (ResourceName.IsNone())
	{
		return nullptr;
	}
	const std::filesystem::path HostPath = Standin::ToHostPath(ResourceName.ToString());
	std::error_code Ec;
	const auto WriteTime = std::filesystem::last_write_time(HostPath, Ec);
	if (Ec || !std::filesystem::is_regular_file(HostPath, Ec))
	{
		Cache.erase(HostPath);
		return nullptr;
	}
	auto Found = Cache.find(HostPath);
	if (Found == Cache.end() || Found->second.WriteTime != WriteTime)
	{
		Found = Cache.insert_or_assign(HostPath, FCached{WriteTime, LoadPng(HostPath)}).first;
	}
	return Found->second.Image ? &*Found->second.Image : nullptr;
}

namespace
{
std::mutex PaintersLock;

std::map<FName, FBrushPainter>& Painters()
{
	static std::map<FName, FBrushPainter> Registered;
	return Registered;
}

FBrushPainter FindPainter(const FName& ResourceName)
{
	const std::lock_guard<std::mutex> Lock(PaintersLock);
	const auto Found = Painters().find(ResourceName);
	return Found != Painters().end() ? Found->second : nullptr;
}

// The stand-in's disabled look for what has no painter of its own: greyed towards the background.
FLinearColor Disabled(const FLinearColor& Colour) { return FLinearColor(Colour.R * 0.45f, Colour.G * 0.45f, Colour.B * 0.45f, Colour.A); }

void DrawBox(const FSlateDrawElement& Element, FCanvas& Canvas)
{
	const FSlateBrush* Brush = Element.GetDataPayload().BrushResource;
	const FRect Rect{Element.GetPosition().X, Element.GetPosition().Y, Element.GetPosition().X + Element.GetLocalSize().X,
					 Element.GetPosition().Y + Element.GetLocalSize().Y};
	if (!Brush || Brush->DrawAs == ESlateBrushDrawType::NoDrawType || Rect.IsEmpty())
	{
		return;
	}
	const bool bDisabled = !!(Element.GetDrawEffects() & ESlateDrawEffect::DisabledEffect);
	const FLinearColor& Tint = Element.GetDataPayload().Tint;
	if (const FBrushPainter Painter = FindPainter(Brush->GetResourceName()))
	{
		Painter(Canvas, Rect, Tint, bDisabled);
		return;
	}
	const FLinearColor Colour = bDisabled ? Disabled(Tint) : Tint;
	if (const FImage* Image = FindBrushImage(Brush->GetResourceName()))
	{
		Canvas.DrawImage(*Image, Rect, ToRgba(Colour));
		return;
	}
	if (!Brush->GetResourceName().IsNone())
	{
		// An image file that is missing draws nothing, as the renderer finds no texture.
		return;
	}
	// Without a resource the brush is its tint: a plain box, or a plain frame for a border.
	if (Brush->DrawAs == ESlateBrushDrawType::Border)
	{
		Canvas.StrokeRect(Rect, std::max(1.0f, Brush->Margin.Left), ToRgba(Colour));
	}
	else
	{
		Canvas.FillRect(Rect, ToRgba(Colour));
	}
}

void DrawText(const FSlateDrawElement& Element, FCanvas& Canvas)
{
	const FSlateDataPayload& Payload = Element.GetDataPayload();
	const bool bDisabled = !!(Element.GetDrawEffects() & ESlateDrawEffect::DisabledEffect);
	const FLinearColor Colour = bDisabled ? Look::SubduedForeground : Payload.Tint;
	const std::u16string_view Text(*Payload.ImmutableText, Payload.ImmutableText.Len());
	DrawLine(Canvas, Text, Element.GetPosition().X, Element.GetPosition().Y, static_cast<float>(Payload.FontInfo.Size), ToRgba(Colour),
			 WeightOf(Payload.FontInfo));
}
} // namespace

void RegisterBrushPainter(const FName& ResourceName, FBrushPainter Painter)
{
	const std::lock_guard<std::mutex> Lock(PaintersLock);
	Painters()[ResourceName] = Painter;
}

void DrawElements(const FSlateWindowElementList& ElementList, FCanvas& Canvas)
{
	const TArray<FSlateDrawElement>& Elements = ElementList.GetDrawElements();
	std::vector<const FSlateDrawElement*> Ordered;
	Ordered.reserve(Elements.Num());
	for (const FSlateDrawElement& Element : Elements)
	{
		Ordered.push_back(&Element);
	}
	std::stable_sort(Ordered.begin(), Ordered.end(),
					 [](const FSlateDrawElement* A, const FSlateDrawElement* B) { return A->GetLayer() < B->GetLayer(); });

	const TArray<FSlateClippingState>& ClipStates = ElementList.GetClippingManager().GetClippingStates();
	for (const FSlateDrawElement* Element : Ordered)
	{
		const int32 ClipIndex = Element->GetClippingIndex();
		const bool bClipped = ClipStates.IsValidIndex(ClipIndex) && ClipStates[ClipIndex].ScissorRect.IsSet();
		if (bClipped)
		{
			Canvas.PushClip(ToRect(ClipStates[ClipIndex].ScissorRect->GetBoundingBox()));
		}
		if (Element->GetElementType() == FSlateDrawElement::ET_Text)
		{
			DrawText(*Element, Canvas);
		}
		else
		{
			DrawBox(*Element, Canvas);
		}
		if (bClipped)
		{
			Canvas.PopClip();
		}
	}
}
} // namespace Standin::Slate
