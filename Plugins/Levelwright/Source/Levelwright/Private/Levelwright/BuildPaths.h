// Folders of the running project and engine that the build jobs work in.
#pragma once

#include "CoreMinimal.h"

// The project's Saved folder made absolute: the tools run with another working folder.
FString GetAbsoluteSavedDir();

// A tool of this engine ("UE4Editor.exe", "UnrealPak.exe"). The engine folder stays as the engine
// reports it (relative to the editor's working folder).
FString GetEngineToolPath(const TCHAR* ExecutableName);

// Creates Dir with its missing parents when it is not there. A failure is only reported: the tools
// that write into Dir then fail and decide the outcome.
void MakeOutputDirectory(const FString& Dir);
