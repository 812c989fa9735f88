// UWorld: a map. Its package is a .umap file.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

UCLASS(customConstructor, config = Engine)
class UWorld : public UObject
{
	GENERATED_BODY()

public:
	UWorld() = default;
};
