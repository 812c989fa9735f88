// The headless renderer's pixel layer: an RGBA8 canvas with alpha-blended rectangles, scaled images
// and a clip stack, plus PNG files in and out. Plain C++, no engine types, so the widget layer and
// the tests can use it directly. Coordinates are slate units, one unit a pixel.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Standin::Slate
{
// A colour in sRGB bytes with straight (not premultiplied) alpha.
struct FRgba
{
	std::uint8_t R = 0, G = 0, B = 0, A = 255;

	friend bool operator==(const FRgba&, const FRgba&) = default;
	FRgba WithAlpha(std::uint8_t NewAlpha) const { return {R, G, B, NewAlpha}; }
};

// Converts a linear colour channel (0..1, as FLinearColor holds it) to an sRGB byte.
std::uint8_t LinearToSrgbByte(float Linear);

struct FRect
{
	float Left = 0, Top = 0, Right = 0, Bottom = 0;

	float Width() const { return Right - Left; }
	float Height() const { return Bottom - Top; }
	bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
	bool Contains(float X, float Y) const { return X >= Left && X < Right && Y >= Top && Y < Bottom; }
	FRect Intersect(const FRect& Other) const;
};

struct FImage
{
	int Width = 0;
	int Height = 0;
	std::vector<std::uint8_t> Rgba; // Width * Height * 4 bytes, rows top to bottom

	FRgba At(int X, int Y) const;
};

// Reads a PNG file (any colour type) into RGBA8. Gives nothing and fills Error when it cannot.
std::optional<FImage> LoadPng(const std::filesystem::path& HostPath, std::string* Error = nullptr);

// Writes RGBA8 as a PNG file. False and Error filled when it cannot.
bool SavePng(const FImage& Image, const std::filesystem::path& HostPath, std::string* Error = nullptr);

class FCanvas
{
public:
	FCanvas(int Width, int Height, FRgba Background);

	int Width() const { return Image.Width; }
	int Height() const { return Image.Height; }
	const FImage& GetImage() const { return Image; }

	// Everything drawn is clipped to the intersection of the pushed rectangles.
	void PushClip(const FRect& Clip);
	void PopClip();

	void FillRect(const FRect& Rect, FRgba Colour);
	// A frame of the given thickness drawn inside the rectangle.
	void StrokeRect(const FRect& Rect, float Thickness, FRgba Colour);
	// A filled rectangle with rounded corners (anti-aliased corners).
	void FillRoundedRect(const FRect& Rect, float Radius, FRgba Colour);
	// The image scaled (bilinear) into the rectangle, each pixel multiplied by Tint.
	void DrawImage(const FImage& Source, const FRect& Rect, FRgba Tint = {255, 255, 255, 255});
	// Blends one pixel with coverage 0..1; the clip applies.
	void BlendPixel(int X, int Y, FRgba Colour, float Coverage);
	void FillCircle(float CenterX, float CenterY, float Radius, FRgba Colour);

private:
	FRect CurrentClip() const;

	FImage Image;
	std::vector<FRect> Clips;
};
} // namespace Standin::Slate
