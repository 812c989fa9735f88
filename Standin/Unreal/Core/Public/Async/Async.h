// Fire-and-forget work on a named thread.
#pragma once

#include "Async/TaskGraphInterfaces.h"
#include "CoreTypes.h"
#include "Templates/Function.h"

// Runs Function on the given thread, later. Any... threads: one of a small pool of background
// workers, in the order queued. GameThread: the next time the editor's frame runs its queued game
// thread tasks. A thread the stand-in does not have (RHI, audio) is refused: an error on stderr,
// then the process aborts, as a failed check would.
CORE_API void AsyncTask(ENamedThreads::Type Thread, TFunction<void()> Function);
