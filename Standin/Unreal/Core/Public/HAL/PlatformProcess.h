#pragma once

#include "Containers/UnrealString.h"
#include "CoreTypes.h"

struct FPlatformProcess
{
	// Starts the command line "URL Params", waits for it, and returns its exit code and complete output.
	// False when the program could not be started.
	static bool ExecProcess(const TCHAR* URL, const TCHAR* Params, int32* OutReturnCode, FString* OutStdOut, FString* OutStdErr);
	// The binaries folder of the running executable, with a trailing '/'.
	static const TCHAR* BaseDir();
	static void Sleep(float Seconds);
};
