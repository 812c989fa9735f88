#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

UCLASS(collapsecategories, hidecategories = Object, BlueprintType)
class UStaticMesh : public UObject
{
	GENERATED_BODY()

public:
	UStaticMesh() = default;
};
