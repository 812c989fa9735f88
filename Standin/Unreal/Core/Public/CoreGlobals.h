#pragma once

#include "CoreTypes.h"

bool IsRunningCommandlet();
bool IsInGameThread();
extern bool GIsEditor;
