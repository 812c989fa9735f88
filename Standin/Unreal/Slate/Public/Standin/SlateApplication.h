// Headless toolkit (not engine API): the application's clock and frame.
#pragma once

#include "CoreMinimal.h"

namespace Standin::Slate
{
// Seconds of application time. Only Tick advances it, so time in a headless editor is counted in
// its frames (1/60 s each), whatever the wall clock says.
double GetCurrentTime();
float GetDeltaTime();

// One frame of the application, on the game thread: advances the clock by DeltaSeconds.
void Tick(float DeltaSeconds);
} // namespace Standin::Slate
