// The plugin's log category. Every part of the plugin may include this header; it includes nothing of
// the plugin.
#pragma once

#include "CoreMinimal.h"

DECLARE_LOG_CATEGORY_EXTERN(LevelwrightLog, Log, All);
