// The cook commandlet: UE4Editor.exe <project> -run=cook -targetplatform=A+B -map=/Game/...
#pragma once

#include "EditorSession.h"

namespace Standin::Editor
{
// Starts the engine as a commandlet (with the project's plugin), cooks, shuts down; the exit code.
int RunCookCommandlet(const FLaunch& Launch);
} // namespace Standin::Editor
