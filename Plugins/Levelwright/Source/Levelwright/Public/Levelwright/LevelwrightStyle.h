// The plugin's style set "LevelwrightUIResources" and the logo the workshop window shows.
#pragma once

#include "CoreMinimal.h"

class ISlateStyle;

class FLevelwrightStyle
{
public:
	// Creates and registers the style set into Resources, unless Resources already holds one.
	static void Initialize(TSharedPtr<ISlateStyle>& Resources);
	// Unregisters the set and releases Resources.
	static void Shutdown(TSharedPtr<ISlateStyle>& Resources);
	// Plugins/Levelwright/Resources/DrovikLogo.png below the project.
	static FString GetLogoPath();
};
