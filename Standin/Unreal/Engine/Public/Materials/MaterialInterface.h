#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

UCLASS(abstract, BlueprintType)
class UMaterialInterface : public UObject
{
	GENERATED_BODY()

public:
	UMaterialInterface() = default;
};
