#include "SlateLookPainters.h"

#include "Standin/SlatePaint.h"

#include <algorithm>
#include <cmath>

using namespace Standin::Slate;

namespace
{
FRgba Tinted(const FLinearColor& Colour, const FLinearColor& Tint) { return ToRgba(Multiply(Colour, Tint)); }
FRgba Faded(const FLinearColor& Colour, const FLinearColor& Tint) { return ToRgba(FLinearColor(Colour.R, Colour.G, Colour.B, Colour.A * Tint.A)); }
FRect Inset(const FRect& Rect, float By) { return {Rect.Left + By, Rect.Top + By, Rect.Right - By, Rect.Bottom - By}; }

// A rounded box of a fill colour with a one-pixel frame.
void Panel(FCanvas& Canvas, const FRect& Rect, float Radius, const FLinearColor& Fill, const FLinearColor& Outline, const FLinearColor& Tint)
{
	Canvas.FillRoundedRect(Rect, Radius, Tinted(Fill, Tint));
	Canvas.StrokeRect(Rect, 1.0f, Faded(Outline, Tint));
}

// A field: a rounded outline colour with the dark inside one pixel in.
void Field(FCanvas& Canvas, const FRect& Rect, float Radius, const FLinearColor& Tint)
{
	Canvas.FillRoundedRect(Rect, Radius, Tinted(Look::InputOutline, Tint));
	Canvas.FillRoundedRect(Inset(Rect, 1), Radius - 1, Tinted(Look::InputBackground, Tint));
}

// A check mark as two strokes of small discs, in a 14 x 14 box scaled to the rectangle.
void CheckMark(FCanvas& Canvas, const FRect& Rect, FRgba Colour)
{
	const float Scale = Rect.Width() / 14.0f;
	for (float T = 0; T <= 1.0f; T += 0.05f)
	{
		Canvas.FillCircle(Rect.Left + (3.5f + 2.5f * T) * Scale, Rect.Top + (7.0f + 3.0f * T) * Scale, 1.1f * Scale, Colour);
		Canvas.FillCircle(Rect.Left + (6.0f + 4.5f * T) * Scale, Rect.Top + (10.0f - 6.5f * T) * Scale, 1.1f * Scale, Colour);
	}
}

void PaintBorder(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { Canvas.FillRoundedRect(Rect, 0, Tinted(Look::WindowBackground, Tint)); }

void PaintGroupBorder(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Panel(Canvas, Rect, 3, Look::PanelBackground, Look::PanelOutline, Tint);
}

void PaintTabForeground(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { Canvas.FillRoundedRect(Rect, 4, ToRgba(Tint)); }

void PaintButton(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool bDisabled)
{
	Panel(Canvas, Rect, 3, bDisabled ? Look::ButtonDisabled : Look::ButtonNormal, Look::ButtonOutline, Tint);
}

void PaintButtonHovered(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Panel(Canvas, Rect, 3, Look::ButtonNormal, Look::Accent, Tint);
}

void PaintButtonPressed(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Panel(Canvas, Rect, 3, Look::ButtonOutline, Look::Accent, Tint);
}

void PaintButtonDisabled(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Panel(Canvas, Rect, 3, Look::ButtonDisabled, Look::ButtonOutline, Tint);
}

// The line under the text: one pixel above the bottom of the link, on the text's last row.
void PaintHyperlinkUnderline(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool bDisabled)
{
	const FLinearColor Colour = bDisabled ? Look::SubduedForeground : Tint;
	Canvas.FillRect({Rect.Left, Rect.Bottom - 2, Rect.Right, Rect.Bottom - 1}, ToRgba(Colour));
}

void PaintCheckBox(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { Field(Canvas, Rect, 2, Tint); }

void PaintCheckBoxChecked(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Field(Canvas, Rect, 2, Tint);
	CheckMark(Canvas, Rect, Tinted(Look::Accent, Tint));
}

void PaintCheckBoxUndetermined(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Field(Canvas, Rect, 2, Tint);
	Canvas.FillRect({Rect.Left + 4, Rect.Top + 6, Rect.Right - 4, Rect.Bottom - 6}, Tinted(Look::Accent, Tint));
}

void PaintTextBox(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { Field(Canvas, Rect, 2, Tint); }

void PaintThrobberPiece(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Canvas.FillCircle((Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2, Rect.Width() / 2, ToRgba(Tint));
}

void PaintProgressBackground(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Panel(Canvas, Rect, 2, Look::InputBackground, Look::InputOutline, Tint);
}

void PaintProgressFill(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool) { Canvas.FillRoundedRect(Rect, 2, Tinted(Look::Accent, Tint)); }

// Diagonal stripes, as one still frame of the moving marquee.
void PaintProgressMarquee(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	const FRgba Colour = Tinted(Look::Accent, Tint);
	constexpr int Period = 12;
	for (int Y = static_cast<int>(std::floor(Rect.Top)); Y < static_cast<int>(std::ceil(Rect.Bottom)); ++Y)
	{
		for (int X = static_cast<int>(std::floor(Rect.Left)); X < static_cast<int>(std::ceil(Rect.Right)); ++X)
		{
			if (Rect.Contains(X + 0.5f, Y + 0.5f) && ((X + Y) % Period + Period) % Period < Period / 2)
			{
				Canvas.BlendPixel(X, Y, Colour, 1.0f);
			}
		}
	}
}

void PaintNotificationBackground(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	Panel(Canvas, Rect, 4, Look::PanelBackground, Look::Accent, Tint);
}

void PaintNotificationSuccess(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	CheckMark(Canvas, Rect, Tinted(Look::Success, Tint));
}

// A cross of two strokes of small discs.
void PaintNotificationFail(FCanvas& Canvas, const FRect& Rect, const FLinearColor& Tint, bool)
{
	const FRgba Colour = Tinted(Look::Failure, Tint);
	const float Radius = std::max(1.0f, Rect.Width() / 12.0f);
	for (float T = 0; T <= 1.0f; T += 0.05f)
	{
		const float X = Rect.Left + Rect.Width() * (0.2f + 0.6f * T);
		Canvas.FillCircle(X, Rect.Top + Rect.Height() * (0.2f + 0.6f * T), Radius, Colour);
		Canvas.FillCircle(X, Rect.Top + Rect.Height() * (0.8f - 0.6f * T), Radius, Colour);
	}
}
} // namespace

FName CoreImage(const TCHAR* RelativePath) { return FName(*(FString(TEXT("Engine/Content/Slate/")) + RelativePath + TEXT(".png"))); }

void RegisterCoreLookPainters()
{
	const std::pair<const TCHAR*, FBrushPainter> Painters[] = {
		{CoreImages::Border, &PaintBorder},
		{CoreImages::GroupBorder, &PaintGroupBorder},
		{CoreImages::TabForeground, &PaintTabForeground},
		{CoreImages::Button, &PaintButton},
		{CoreImages::ButtonHovered, &PaintButtonHovered},
		{CoreImages::ButtonPressed, &PaintButtonPressed},
		{CoreImages::ButtonDisabled, &PaintButtonDisabled},
		{CoreImages::HyperlinkUnderline, &PaintHyperlinkUnderline},
		{CoreImages::CheckBox, &PaintCheckBox},
		{CoreImages::CheckBoxChecked, &PaintCheckBoxChecked},
		{CoreImages::CheckBoxUndetermined, &PaintCheckBoxUndetermined},
		{CoreImages::TextBox, &PaintTextBox},
		{CoreImages::ThrobberChunk, &PaintThrobberPiece},
		{CoreImages::ProgressBackground, &PaintProgressBackground},
		{CoreImages::ProgressFill, &PaintProgressFill},
		{CoreImages::ProgressMarquee, &PaintProgressMarquee},
		{CoreImages::NotificationBackground, &PaintNotificationBackground},
		{CoreImages::NotificationSuccess, &PaintNotificationSuccess},
		{CoreImages::NotificationFail, &PaintNotificationFail},
	};
	for (const auto& [Image, Painter] : Painters)
	{
		RegisterBrushPainter(CoreImage(Image), Painter);
	}
}
