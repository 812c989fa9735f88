// Stand-in only (not engine API): what the headless editor's frame loop needs of AsyncTask.
#pragma once

namespace Standin::Async
{
// True when no background task is queued or running and no game thread task is waiting.
bool IsIdle();
// True when no background task is queued or running (game thread tasks may wait).
bool AreWorkersIdle();

// Runs the game thread tasks queued so far, in order, on the calling thread (the editor's game
// thread, once a frame). Tasks they queue for the game thread run on the next call.
void RunGameThreadTasks();
} // namespace Standin::Async
