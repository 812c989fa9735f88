// The one place that decides what the project builds, and the resolution of the map to cook.
#include "Levelwright/ProjectMap.h"

#include "Common/CustomMapNames.h"
#include "Common/CustomMaps.h"
#include "Drovik_Map.h"
#include "HAL/PlatformMisc.h"
#include "Levelwright/LevelwrightModule.h"
#include "QRNInterface/QRNInterface.h"
#include "UGCInterface/UGCInterface.h"

namespace
{
void ShowCookError(const TCHAR* Reason)
{
	FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *FString::Printf(TEXT("ERROR: %s"), Reason), TEXT("Cook Error"));
}
} // namespace

UDrovik_Map* FProjectMap::LoadDefinition() const
{
	return HasFolder() ? ::LoadDefinition(FolderName) : nullptr;
}

FProjectMap FLevelwrightModule::GetProjectMap() const
{
	FProjectMap Map;
	if (WorkshopMap)
	{
		Map.Source = EProjectMapSource::WorkshopMap;
		Map.ItemId = WorkshopMap->ItemId;
		Map.FolderName = CustomMapNames::MakeWorkshopFolderName(Map.ItemId);
	}
	else if (QuarnMod)
	{
		Map.Source = EProjectMapSource::QuarnMod;
		if (QuarnMod->HasMod())
		{
			Map.FolderName = CustomMapNames::MakeModFolderName(QuarnMod->ModId, QuarnMod->bIsUGCFolder);
		}
	}
	return Map;
}

bool FLevelwrightModule::ResolveCookMap(bool bMainMap)
{
	UDrovik_Map* Definition = GetProjectMap().LoadDefinition();
	if (!Definition)
	{
		ShowCookError(TEXT("Definition not found!"));
		return false;
	}
	const FSoftObjectPath& MapPath = bMainMap ? Definition->Map : Definition->QuestMap;
	if (!MapPath.IsValid())
	{
		ShowCookError(bMainMap ? TEXT("Map is not linked in the definition") : TEXT("Quest Map is not linked in the definition"));
		return false;
	}
	MapPackageName = MapPath.GetLongPackageName();
	return true;
}
