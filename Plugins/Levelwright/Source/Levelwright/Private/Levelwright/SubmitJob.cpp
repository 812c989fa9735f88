// Publishing: the map cooked and packed into the Workshop content folder, then handed to Steam. The
// module stays busy until the Workshop answers (OnWorkshopSubmitFinished).
#include "Levelwright/LevelwrightModule.h"

#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "UGCInterface/UGCInterface.h"

void FLevelwrightModule::RunSubmitJob(const FString& ChangeNote)
{
	if (!CookMap(true))
	{
		UE_LOG(LevelwrightLog, Error, TEXT("Cooked content is needed for deploying!"));
		bBusy.store(false);
		return;
	}

	const FString ContentDir = GetWorkshopContentDir();
	MakeOutputDirectory(ContentDir);

	// Both packs run, so the log shows every failing platform at once.
	const bool bWindowsPakSucceed = BuildPak(LevelwrightBuild::WindowsCookPlatform, FPaths::Combine(ContentDir, TEXT("WindowsNoEditor.pak")));
	const bool bLinuxPakSuccedd = BuildPak(LevelwrightBuild::LinuxServerCookPlatform, FPaths::Combine(ContentDir, TEXT("LinuxServer.pak")));
	ensure(bWindowsPakSucceed);
	ensure(bLinuxPakSuccedd);
	if (!bWindowsPakSucceed || !bLinuxPakSuccedd)
	{
		bBusy.store(false);
		return;
	}

	FFileHelper::SaveStringToFile(LevelwrightBuild::WorkshopMetadataText, *FPaths::Combine(ContentDir, TEXT("metadata.json")));

	FUGCInterface* UGC = WorkshopMap;
	if (!ensure(UGC))
	{
		bBusy.store(false);
		return;
	}
	// Bound before the request exists, so the answer cannot arrive unobserved.
	UGC->OnSubmitFinished.BindRaw(this, &FLevelwrightModule::OnWorkshopSubmitFinished);
	UGC->SubmitContent(ContentDir, ChangeNote);
}
