// Stand-in only (not engine API): the headless editor's frame.
#pragma once

namespace Standin::Editor
{
// Ticks every registered FTickableEditorObject that wants a tick this frame, on the calling (game) thread.
void TickTickables(float DeltaTime);
// How many editor tickables are registered, and how many ticked in the last frame (for tests).
int NumRegisteredTickables();
int NumTickedLastFrame();
} // namespace Standin::Editor
