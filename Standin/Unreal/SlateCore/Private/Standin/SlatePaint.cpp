#include "Standin/SlatePaint.h"

#include "Layout/ArrangedChildren.h"
#include "Standin/StringUtf8.h"
#include "Widgets/SWidget.h"

#include <cmath>
#include <map>
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

FLinearColor FromSrgb(int R, int G, int B, float A = 1.0f) { return FLinearColor(SrgbToLinear(R), SrgbToLinear(G), SrgbToLinear(B), A); }
} // namespace

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
} // namespace Look

FRgba ToRgba(const FLinearColor& Colour)
{
	const float Alpha = std::clamp(Colour.A, 0.0f, 1.0f);
	return {LinearToSrgbByte(Colour.R), LinearToSrgbByte(Colour.G), LinearToSrgbByte(Colour.B),
			static_cast<std::uint8_t>(std::lround(Alpha * 255.0f))};
}

FRect ToRect(const FGeometry& Geometry)
{
	return {Geometry.AbsolutePosition.X, Geometry.AbsolutePosition.Y, Geometry.AbsolutePosition.X + Geometry.Size.X,
			Geometry.AbsolutePosition.Y + Geometry.Size.Y};
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

bool DrawBrush(FPaintContext& Context, const FSlateBrush* Brush, const FRect& Rect, const FLinearColor& Tint)
{
	if (!Brush || Brush->DrawAs == ESlateBrushDrawType::NoDrawType || Rect.IsEmpty())
	{
		return false;
	}
	const FLinearColor BrushTint = Brush->GetTint(Context.Foreground);
	const FLinearColor Colour(BrushTint.R * Tint.R, BrushTint.G * Tint.G, BrushTint.B * Tint.B, BrushTint.A * Tint.A);
	if (const FImage* Image = FindBrushImage(Brush->GetResourceName()))
	{
		Context.Canvas.DrawImage(*Image, Rect, ToRgba(Colour));
		return true;
	}
	switch (Brush->DrawAs)
	{
	case ESlateBrushDrawType::Box:
		Context.Canvas.FillRoundedRect(Rect, Brush->StandinCornerRadius, ToRgba(Colour));
		if (Brush->StandinOutlineColor.A > 0)
		{
			Context.Canvas.StrokeRect(Rect, 1.0f, ToRgba(Brush->StandinOutlineColor));
		}
		return true;
	case ESlateBrushDrawType::Border:
		Context.Canvas.StrokeRect(Rect, std::max(1.0f, Brush->Margin.Left), ToRgba(Colour));
		return true;
	default:
		// An image brush whose file is missing draws nothing, as the renderer finds no texture.
		return false;
	}
}

void DrawText(FPaintContext& Context, const FRect& Rect, const std::vector<std::u16string>& Lines, float FontSize,
			  const FLinearColor& Colour, EFontWeight Weight)
{
	const float LineStep = LineHeight(FontSize, Weight);
	float Y = Rect.Top;
	for (const std::u16string& Line : Lines)
	{
		DrawLine(Context.Canvas, Line, Rect.Left, Y, FontSize, ToRgba(Colour), Weight);
		Y += LineStep;
	}
}

namespace
{
void CollectVisible(const TSharedRef<SWidget>& Widget, const FGeometry& Geometry, int32 Depth, std::vector<FVisibleWidget>& Out)
{
	Widget->SetStandinCachedGeometry(Geometry);
	Out.push_back(FVisibleWidget{Widget, Geometry, Depth});
	FArrangedChildren Arranged(EVisibility::Visible);
	Widget->ArrangeChildren(Geometry, Arranged);
	for (const FArrangedWidget& Child : Arranged)
	{
		CollectVisible(Child.Widget, Child.Geometry, Depth + 1, Out);
	}
}
} // namespace

std::vector<FVisibleWidget> LayoutWindow(const TSharedRef<SWidget>& Root, const FVector2D& WindowSize)
{
	// Wrapped text learns its width from the previous arrangement, so a few passes settle it.
	constexpr int MaxPasses = 4;
	std::vector<FVisibleWidget> Visible;
	for (int Pass = 0; Pass < MaxPasses; ++Pass)
	{
		Visible.clear();
		if (!Root->GetVisibility().IsVisible())
		{
			break;
		}
		Root->SlatePrepass(1.0f);
		CollectVisible(Root, FGeometry(FVector2D(0, 0), WindowSize), 0, Visible);
		const bool bSettled = std::none_of(Visible.begin(), Visible.end(), [](const FVisibleWidget& W) { return W.Widget->StandinNeedsRelayout(); });
		if (bSettled)
		{
			break;
		}
	}
	return Visible;
}

FImage PaintWindow(const TSharedRef<SWidget>& Root, const FVector2D& WindowSize)
{
	LayoutWindow(Root, WindowSize);
	const int Width = static_cast<int>(std::lround(WindowSize.X)), Height = static_cast<int>(std::lround(WindowSize.Y));
	FCanvas Canvas(Width, Height, ToRgba(Look::WindowBackground));
	FPaintContext Context{Canvas, Look::DefaultForeground, true};
	if (Root->GetVisibility().IsVisible())
	{
		Root->Paint(FGeometry(FVector2D(0, 0), WindowSize), Context);
	}
	return Canvas.GetImage();
}
} // namespace Standin::Slate
