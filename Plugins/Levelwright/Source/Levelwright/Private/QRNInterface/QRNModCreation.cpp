// Creating a Drovik:Quarn mod from the name the author typed: its "QRN_<name>" folder and definition.
#include "QRNInterface/QRNInterface.h"

#include "Common/CustomMapNames.h"
#include "Common/CustomMaps.h"
#include "Common/LevelwrightLog.h"
#include "HAL/PlatformMisc.h"
#include "QRNInterface/ModName.h"

void FQRNInterface::CreateMod()
{
	if (GetDefinition())
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cannot create a Definition file one already exists in this project!"));
		return;
	}
	if (!IsModNameLengthValid(MapName))
	{
		FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, TEXT("The map name needs to be 3-32 characters long"), TEXT("Error"));
		return;
	}

	UE_LOG(LevelwrightLog, Log, TEXT("Creating map folder for id %s"), *MapName);
	// CreateDefinitionAsset reports a failed creation itself; the project then still has no mod.
	if (!CreateDefinitionAsset(CustomMapNames::MakeModFolderName(MapName, false)))
	{
		return;
	}
	ModId = MapName;
	bIsUGCFolder = false;
}
