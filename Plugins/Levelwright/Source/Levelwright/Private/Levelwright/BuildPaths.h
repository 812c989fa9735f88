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

// Deletes Dir with everything in it, so that a folder made next holds only what is written after. A
// failure is only reported (a Warning): what is left is found by whoever reads the folder next.
void EmptyOutputDirectory(const FString& Dir);
