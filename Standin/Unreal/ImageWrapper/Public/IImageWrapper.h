// An image codec: raw pixels in, compressed file bytes out, and back. The stand-in has PNG only.
#pragma once

#include "CoreMinimal.h"

enum class EImageFormat : int8
{
	Invalid = -1,
	PNG = 0,
	JPEG,
	GrayscaleJPEG,
	BMP,
	ICO,
	EXR,
	ICNS
};

enum class ERGBFormat : int8
{
	Invalid = -1,
	RGBA = 0,
	BGRA = 1,
	Gray = 2
};

enum class EImageCompressionQuality : uint8
{
	Default = 0,
	Uncompressed = 1
};

class IImageWrapper
{
public:
	virtual ~IImageWrapper() = default;

	// Takes a compressed image (a PNG file's bytes); false when it is not one.
	virtual bool SetCompressed(const void* InCompressedData, int32 InCompressedSize) = 0;
	// Takes raw pixels; false unless InRawSize is exactly Width * Height * the format's bytes per pixel
	// (8 bits per channel: RGBA and BGRA 4, Gray 1).
	virtual bool SetRaw(const void* InRawData, int32 InRawSize, const int32 InWidth, const int32 InHeight, const ERGBFormat InFormat,
						const int32 InBitDepth) = 0;
	// The raw pixels compressed (Quality 0: the encoder's default compression); empty on failure.
	virtual const TArray<uint8>& GetCompressed(int32 Quality = 0) = 0;
	// The compressed image's pixels in the format asked for; false on failure.
	virtual bool GetRaw(const ERGBFormat InFormat, int32 InBitDepth, const TArray<uint8>*& OutRawData) = 0;

	virtual int32 GetWidth() const = 0;
	virtual int32 GetHeight() const = 0;
	virtual int32 GetBitDepth() const = 0;
	virtual ERGBFormat GetFormat() const = 0;
};

using IImageWrapperPtr = TSharedPtr<IImageWrapper>;
