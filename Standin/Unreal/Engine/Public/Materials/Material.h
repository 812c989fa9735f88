#pragma once

#include "CoreMinimal.h"
#include "Materials/MaterialInterface.h"

UCLASS(hidecategories = Object, BlueprintType)
class UMaterial : public UMaterialInterface
{
	GENERATED_BODY()

public:
	UMaterial() = default;
};
