// The engine's trimmed <windows.h>; in the stand-in, the same subset as WindowsHWrapper.h.
#pragma once

#include "Windows/WindowsHWrapper.h"
