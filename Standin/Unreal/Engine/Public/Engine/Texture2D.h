#pragma once

#include "CoreMinimal.h"
#include "Engine/Texture.h"

UCLASS(hidecategories = Object, MinimalAPI, BlueprintType)
class UTexture2D : public UTexture
{
	GENERATED_BODY()

public:
	UTexture2D() = default;
	~UTexture2D() override;

	// The platform's mips (sizes); null until the texture's data is cached.
	FTexturePlatformData* PlatformData = nullptr;

	int32 GetSizeX() const { return PlatformData ? PlatformData->SizeX : 0; }
	int32 GetSizeY() const { return PlatformData ? PlatformData->SizeY : 0; }
	int32 GetNumMips() const { return PlatformData ? PlatformData->Mips.Num() : 0; }

protected:
	void RefreshPlatformData() override;

private:
	friend struct Standin::Textures::FTextureAccess;

	// The source revision the platform data was made from; a fixed state (see Standin/Textures.h) is kept.
	uint32 PlatformDataRevision = 0;
	bool bPlatformDataFixed = false;
};
