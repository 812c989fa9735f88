// Headless toolkit (not engine API): the application's clock and frame, and the notification area
// of the editor's main window.
#pragma once

#include "CoreMinimal.h"

class SWidget;

namespace Standin::Slate
{
// Seconds of application time. Only Tick advances it, so time in a headless editor is counted in
// its frames (1/60 s each), whatever the wall clock says.
double GetCurrentTime();
float GetDeltaTime();

// One frame of the application, on the game thread: advances the clock by DeltaSeconds, then ticks
// the notification manager (queued notifications appear, faded-out ones go).
void Tick(float DeltaSeconds);

// The notification list of the editor's main window: a layer over the whole window that shows its
// items stacked in the bottom-right corner.
TSharedRef<SWidget> GetNotificationArea();
} // namespace Standin::Slate
