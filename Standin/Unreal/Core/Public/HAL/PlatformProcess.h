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

	// DLLs, as the engine's Windows build has them. GetDllHandle loads a library file (a shared
	// library of this platform, found through the machine's drive mapping) and returns its handle, or
	// null when the file is missing or not a library. A bare file name is looked for among the
	// libraries already loaded, then in the DLL folder pushed last, then in the binaries folder.
	static void* GetDllHandle(const TCHAR* Filename);
	static void FreeDllHandle(void* DllHandle);
	// A stack of DLL folders; each pop must name the folder pushed last (a fatal check otherwise).
	static void PushDllDirectory(const TCHAR* Directory);
	static void PopDllDirectory(const TCHAR* Directory);
};
