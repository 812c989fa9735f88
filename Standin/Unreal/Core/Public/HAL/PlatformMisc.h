#pragma once

#include "GenericPlatform/GenericPlatformMisc.h"

// The plugin targets Win64, where FPlatformMisc is FWindowsPlatformMisc.
struct FWindowsPlatformMisc : public FGenericPlatformMisc
{
};

typedef FWindowsPlatformMisc FPlatformMisc;
