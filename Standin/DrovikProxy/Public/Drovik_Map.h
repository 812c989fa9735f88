// Drovik custom map definition: one per published map, named "definition" in the map's folder.

#pragma once

#include "CoreMinimal.h"
#include "Engine/DataAsset.h"
#include "Engine/Texture2D.h"
#include "UObject/SoftObjectPath.h"
#include "Drovik_Map.generated.h"

UENUM(BlueprintType)
enum class EDrovikGameModeType : uint8
{
	Custom = 0 UMETA(DisplayName = "Custom"),
	Deathmatch = 1 UMETA(DisplayName = "Deathmatch"),
	TeamDeathmatch = 2 UMETA(DisplayName = "Team Deathmatch"),
	SearchAndDestroy = 3 UMETA(DisplayName = "Search and Destroy"),
	GunGame = 6 UMETA(DisplayName = "Gun Game"),
	CaptureTheFlag = 7 UMETA(DisplayName = "Capture the Flag"),
	TTT = 8 UMETA(DisplayName = "TTT"),
	ZombieCoop = 10 UMETA(DisplayName = "Zombie Coop"),
	TheHidden = 11 UMETA(DisplayName = "The Hidden"),
	Push = 12 UMETA(DisplayName = "Push"),
};

UCLASS(BlueprintType)
class DROVIKPROXY_API UDrovik_Map : public UDataAsset
{
	GENERATED_BODY()

public:
	/** Folder id of the map: "UGC<item id>" or "QRN_<name>". */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Map")
	FString Id;

	/** Name shown to players. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Map")
	FText MapLabel;

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Map")
	int32 Version = 0;

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Map")
	UTexture2D* PreviewImage = nullptr;

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Map", meta = (AllowedClasses = "World"))
	FSoftObjectPath Map;

	/** The map's Quest (Drovik:Quarn) variant. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Map", meta = (AllowedClasses = "World"))
	FSoftObjectPath QuestMap;

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Game Modes")
	bool IsCustomGameMode = false;

	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Game Modes", meta = (EditCondition = "IsCustomGameMode"))
	FString CustomGameModeLabel;

	/** The game modes the map supports. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Game Modes")
	TArray<EDrovikGameModeType> GameModes;

	UPROPERTY(VisibleAnywhere, BlueprintReadOnly, Category = "Map")
	bool bCreatedByPlugin = false;

	UFUNCTION(BlueprintCallable, Category = "Game Modes")
	bool HasFlag(EDrovikGameModeType GameMode) const;
};
