// UTexture and its data: the source art (FTextureSource, the imported pixels) and the platform data
// (FTexturePlatformData, what the renderer would use; the stand-in derives it from the source).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

namespace Standin::Textures
{
struct FTextureAccess;
}

enum ETextureSourceFormat
{
	TSF_Invalid,
	TSF_G8,
	TSF_BGRA8,
	TSF_BGRE8,
	TSF_RGBA16,
	TSF_RGBA16F,
	TSF_RGBA8,
	TSF_RGBE8,
	TSF_MAX
};

// The imported art: NumMips mips of NumSlices slices each, the largest first, one buffer.
struct FTextureSource
{
public:
	// Sets size and format; copies NewData (all mips, largest first) when given, else zero pixels.
	void Init(int32 NewSizeX, int32 NewSizeY, int32 NewNumSlices, int32 NewNumMips, ETextureSourceFormat NewFormat,
			  const uint8* NewData = nullptr);
	// Copies one mip's bytes; false (and OutMipData empty) when there is no such mip.
	bool GetMipData(TArray<uint8>& OutMipData, int32 MipIndex);

	int32 GetSizeX() const { return SizeX; }
	int32 GetSizeY() const { return SizeY; }
	int32 GetNumSlices() const { return NumSlices; }
	int32 GetNumMips() const { return NumMips; }
	ETextureSourceFormat GetFormat() const { return Format; }
	bool IsValid() const { return SizeX > 0 && SizeY > 0 && NumSlices > 0 && NumMips > 0 && Format != TSF_Invalid; }
	int32 GetBytesPerPixel() const;
	int64 CalcMipSize(int32 MipIndex) const;

private:
	friend struct Standin::Textures::FTextureAccess;

	int32 SizeX = 0;
	int32 SizeY = 0;
	int32 NumSlices = 0;
	int32 NumMips = 0;
	ETextureSourceFormat Format = TSF_Invalid;
	TArray<uint8> Data;
	// Bumped by Init, so the platform data knows when it is stale.
	uint32 Revision = 0;
};

struct FTexture2DMipMap
{
	int32 SizeX = 0;
	int32 SizeY = 0;
	int32 SizeZ = 1;
};

struct FTexturePlatformData
{
	int32 SizeX = 0;
	int32 SizeY = 0;
	uint32 NumSlices = 1;
	// The engine holds these in a TIndirectArray; the stand-in's mips are plain values.
	TArray<FTexture2DMipMap> Mips;
};

UCLASS(abstract, MinimalAPI)
class UTexture : public UObject
{
	GENERATED_BODY()

public:
	UTexture() = default;

	// The source art. Loaded with the texture (the PNG named by its package).
	FTextureSource Source;

	// Brings the rendering data (the platform data) up to date with the source.
	virtual void UpdateResource();
	// Waits for the platform data being cached and makes it ready for use.
	void FinishCachePlatformData();

	void PostLoad() override;

protected:
	virtual void RefreshPlatformData() {}

private:
	friend struct Standin::Textures::FTextureAccess;

	// The PNG file beside the package that holds the source art.
	FString SourceFileName;
};
