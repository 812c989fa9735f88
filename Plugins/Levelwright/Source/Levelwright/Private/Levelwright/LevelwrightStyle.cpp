#include "Levelwright/LevelwrightStyle.h"

#include "Misc/Paths.h"
#include "Slate/SlateGameResources.h"
#include "Styling/SlateStyleRegistry.h"

namespace
{
const TCHAR* StyleSetName = TEXT("LevelwrightUIResources");
const TCHAR* StyleContentPath = TEXT("/Levelwright/UI");
} // namespace

void FLevelwrightStyle::Initialize(TSharedPtr<ISlateStyle>& Resources)
{
	if (Resources.IsValid())
	{
		return;
	}
	Resources = FSlateGameResources::New(FName(StyleSetName), StyleContentPath, StyleContentPath);
	FSlateStyleRegistry::RegisterSlateStyle(*Resources);
}

void FLevelwrightStyle::Shutdown(TSharedPtr<ISlateStyle>& Resources)
{
	FSlateStyleRegistry::UnRegisterSlateStyle(*Resources);
	ensure(Resources.IsUnique());
	Resources.Reset();
}

FString FLevelwrightStyle::GetLogoPath()
{
	// The plugin is found by its folder in the project's Plugins folder, not through the plugin manager.
	return FPaths::Combine(FPaths::ProjectPluginsDir(), TEXT("Levelwright"), TEXT("Resources"), TEXT("DrovikLogo.png"));
}
