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

bool FLevelwrightModule::ResolveCookMap(bool bMainMap)
{
	UDrovik_Map* Definition = WorkshopMap ? WorkshopMap->GetDefinition() : (QuarnMod ? QuarnMod->GetDefinition() : nullptr);
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
