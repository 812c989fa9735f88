#include "Standin/SlateRaster.h"

#include <algorithm>
#include <cmath>

namespace Standin::Slate
{
std::uint8_t LinearToSrgbByte(float Linear)
{
	const float C = std::clamp(Linear, 0.0f, 1.0f);
	const float Srgb = C <= 0.0031308f ? C * 12.92f : 1.055f * std::pow(C, 1.0f / 2.4f) - 0.055f;
	return static_cast<std::uint8_t>(std::lround(Srgb * 255.0f));
}

FRect FRect::Intersect(const FRect& Other) const
{
	return {std::max(Left, Other.Left), std::max(Top, Other.Top), std::min(Right, Other.Right), std::min(Bottom, Other.Bottom)};
}

FRgba FImage::At(int X, int Y) const
{
	const std::size_t I = (static_cast<std::size_t>(Y) * Width + X) * 4;
	return {Rgba[I], Rgba[I + 1], Rgba[I + 2], Rgba[I + 3]};
}

FCanvas::FCanvas(int Width, int Height, FRgba Background)
{
	Image.Width = std::max(Width, 0);
	Image.Height = std::max(Height, 0);
	Image.Rgba.resize(static_cast<std::size_t>(Image.Width) * Image.Height * 4);
	for (std::size_t I = 0; I < Image.Rgba.size(); I += 4)
	{
		Image.Rgba[I] = Background.R;
		Image.Rgba[I + 1] = Background.G;
		Image.Rgba[I + 2] = Background.B;
		Image.Rgba[I + 3] = Background.A;
	}
}

void FCanvas::PushClip(const FRect& Clip) { Clips.push_back(CurrentClip().Intersect(Clip)); }

void FCanvas::PopClip()
{
	if (!Clips.empty())
	{
		Clips.pop_back();
	}
}

FRect FCanvas::CurrentClip() const
{
	const FRect Whole{0, 0, static_cast<float>(Image.Width), static_cast<float>(Image.Height)};
	return Clips.empty() ? Whole : Clips.back();
}

void FCanvas::BlendPixel(int X, int Y, FRgba Colour, float Coverage)
{
	if (X < 0 || Y < 0 || X >= Image.Width || Y >= Image.Height || !CurrentClip().Contains(X + 0.5f, Y + 0.5f))
	{
		return;
	}
	const float Alpha = std::clamp(Coverage, 0.0f, 1.0f) * (Colour.A / 255.0f);
	if (Alpha <= 0)
	{
		return;
	}
	std::uint8_t* P = &Image.Rgba[(static_cast<std::size_t>(Y) * Image.Width + X) * 4];
	const float DstAlpha = P[3] / 255.0f;
	const float OutAlpha = Alpha + DstAlpha * (1 - Alpha);
	const std::uint8_t Src[3] = {Colour.R, Colour.G, Colour.B};
	for (int C = 0; C < 3; ++C)
	{
		const float Blended = (Src[C] * Alpha + P[C] * DstAlpha * (1 - Alpha)) / OutAlpha;
		P[C] = static_cast<std::uint8_t>(std::lround(std::clamp(Blended, 0.0f, 255.0f)));
	}
	P[3] = static_cast<std::uint8_t>(std::lround(OutAlpha * 255.0f));
}

namespace
{
// Pixel span covered by [Start, End): rounded so that abutting rectangles neither overlap nor gap.
void PixelSpan(float Start, float End, int& First, int& Last)
{
	First = static_cast<int>(std::lround(Start));
	Last = static_cast<int>(std::lround(End));
}
} // namespace

void FCanvas::FillRect(const FRect& Rect, FRgba Colour)
{
	int X0, X1, Y0, Y1;
	PixelSpan(Rect.Left, Rect.Right, X0, X1);
	PixelSpan(Rect.Top, Rect.Bottom, Y0, Y1);
	for (int Y = std::max(Y0, 0); Y < std::min(Y1, Image.Height); ++Y)
	{
		for (int X = std::max(X0, 0); X < std::min(X1, Image.Width); ++X)
		{
			BlendPixel(X, Y, Colour, 1.0f);
		}
	}
}

void FCanvas::StrokeRect(const FRect& Rect, float Thickness, FRgba Colour)
{
	const float T = std::min({Thickness, Rect.Width() / 2, Rect.Height() / 2});
	if (T <= 0)
	{
		return;
	}
	FillRect({Rect.Left, Rect.Top, Rect.Right, Rect.Top + T}, Colour);
	FillRect({Rect.Left, Rect.Bottom - T, Rect.Right, Rect.Bottom}, Colour);
	FillRect({Rect.Left, Rect.Top + T, Rect.Left + T, Rect.Bottom - T}, Colour);
	FillRect({Rect.Right - T, Rect.Top + T, Rect.Right, Rect.Bottom - T}, Colour);
}

void FCanvas::FillRoundedRect(const FRect& Rect, float Radius, FRgba Colour)
{
	const float R = std::clamp(Radius, 0.0f, std::min(Rect.Width(), Rect.Height()) / 2);
	int X0, X1, Y0, Y1;
	PixelSpan(Rect.Left, Rect.Right, X0, X1);
	PixelSpan(Rect.Top, Rect.Bottom, Y0, Y1);
	for (int Y = std::max(Y0, 0); Y < std::min(Y1, Image.Height); ++Y)
	{
		for (int X = std::max(X0, 0); X < std::min(X1, Image.Width); ++X)
		{
			// Distance of the pixel centre from the nearest corner circle's centre decides the coverage.
			const float Px = X + 0.5f, Py = Y + 0.5f;
			const float Cx = std::clamp(Px, X0 + R, X1 - R), Cy = std::clamp(Py, Y0 + R, Y1 - R);
			const float Distance = std::hypot(Px - Cx, Py - Cy);
			BlendPixel(X, Y, Colour, R <= 0 ? 1.0f : std::clamp(R - Distance + 0.5f, 0.0f, 1.0f));
		}
	}
}

void FCanvas::FillCircle(float CenterX, float CenterY, float Radius, FRgba Colour)
{
	const int X0 = static_cast<int>(std::floor(CenterX - Radius)), X1 = static_cast<int>(std::ceil(CenterX + Radius));
	const int Y0 = static_cast<int>(std::floor(CenterY - Radius)), Y1 = static_cast<int>(std::ceil(CenterY + Radius));
	for (int Y = Y0; Y <= Y1; ++Y)
	{
		for (int X = X0; X <= X1; ++X)
		{
			const float Distance = std::hypot(X + 0.5f - CenterX, Y + 0.5f - CenterY);
			BlendPixel(X, Y, Colour, std::clamp(Radius - Distance + 0.5f, 0.0f, 1.0f));
		}
	}
}

void FCanvas::DrawImage(const FImage& Source, const FRect& Rect, FRgba Tint)
{
	if (Source.Width <= 0 || Source.Height <= 0 || Rect.IsEmpty())
	{
		return;
	}
	int X0, X1, Y0, Y1;
	PixelSpan(Rect.Left, Rect.Right, X0, X1);
	PixelSpan(Rect.Top, Rect.Bottom, Y0, Y1);
	const float ScaleX = static_cast<float>(Source.Width) / std::max(1, X1 - X0);
	const float ScaleY = static_cast<float>(Source.Height) / std::max(1, Y1 - Y0);
	for (int Y = std::max(Y0, 0); Y < std::min(Y1, Image.Height); ++Y)
	{
		const float Sy = std::clamp((Y - Y0 + 0.5f) * ScaleY - 0.5f, 0.0f, Source.Height - 1.0f);
		const int Sy0 = static_cast<int>(Sy), Sy1 = std::min(Sy0 + 1, Source.Height - 1);
		const float Fy = Sy - Sy0;
		for (int X = std::max(X0, 0); X < std::min(X1, Image.Width); ++X)
		{
			const float Sx = std::clamp((X - X0 + 0.5f) * ScaleX - 0.5f, 0.0f, Source.Width - 1.0f);
			const int Sx0 = static_cast<int>(Sx), Sx1 = std::min(Sx0 + 1, Source.Width - 1);
			const float Fx = Sx - Sx0;
			const FRgba P00 = Source.At(Sx0, Sy0), P10 = Source.At(Sx1, Sy0), P01 = Source.At(Sx0, Sy1), P11 = Source.At(Sx1, Sy1);
			// Interpolate premultiplied so that transparent neighbours do not darken the edges.
			auto Mix = [&](auto Channel) {
				return (Channel(P00) * (1 - Fx) + Channel(P10) * Fx) * (1 - Fy) + (Channel(P01) * (1 - Fx) + Channel(P11) * Fx) * Fy;
			};
			const float A = Mix([](FRgba P) { return P.A / 255.0f; });
			if (A <= 0)
			{
				continue;
			}
			const float R = Mix([](FRgba P) { return P.R * (P.A / 255.0f); }) / A;
			const float G = Mix([](FRgba P) { return P.G * (P.A / 255.0f); }) / A;
			const float B = Mix([](FRgba P) { return P.B * (P.A / 255.0f); }) / A;
			const FRgba Pixel{static_cast<std::uint8_t>(std::lround(R * Tint.R / 255.0f)),
							  static_cast<std::uint8_t>(std::lround(G * Tint.G / 255.0f)),
							  static_cast<std::uint8_t>(std::lround(B * Tint.B / 255.0f)),
							  static_cast<std::uint8_t>(std::lround(A * Tint.A))};
			BlendPixel(X, Y, Pixel, 1.0f);
		}
	}
}
} // namespace Standin::Slate
