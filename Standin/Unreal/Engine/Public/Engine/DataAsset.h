// UDataAsset: the base of simple asset classes that hold data (such as a game's map definitions).
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

UCLASS(abstract, MinimalAPI)
class UDataAsset : public UObject
{
	GENERATED_BODY()

public:
	UDataAsset() = default;
};
