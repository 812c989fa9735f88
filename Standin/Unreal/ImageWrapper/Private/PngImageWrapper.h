#pragma once

#include "IImageWrapper.h"

// PNG through libpng: 8-bit RGBA, BGRA and Gray images.
class FPngImageWrapper : public IImageWrapper
{
public:
	bool SetCompressed(const void* InCompressedData, int32 InCompressedSize) override;
	bool SetRaw(const void* InRawData, int32 InRawSize, const int32 InWidth, const int32 InHeight, const ERGBFormat InFormat,
				const int32 InBitDepth) override;
	const TArray<uint8>& GetCompressed(int32 Quality = 0) override;
	bool GetRaw(const ERGBFormat InFormat, int32 InBitDepth, const TArray<uint8>*& OutRawData) override;

	int32 GetWidth() const override { return Width; }
	int32 GetHeight() const override { return Height; }
	int32 GetBitDepth() const override { return BitDepth; }
	ERGBFormat GetFormat() const override { return Format; }

	static bool HasPngSignature(const void* Data, int32 Size);

private:
	TArray<uint8> CompressedData;
	TArray<uint8> RawData;
	int32 Width = 0;
	int32 Height = 0;
	int32 BitDepth = 0;
	ERGBFormat Format = ERGBFormat::Invalid;
};
