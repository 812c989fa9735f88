#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "CoreTypes.h"
#include "GenericPlatform/GenericPlatformProcess.h"

// A child process, as on Windows: an opaque handle that stays valid until CloseProc.
struct FProcHandle : public TProcHandle<void*, nullptr>
{
	FProcHandle() = default;
	explicit FProcHandle(HandleType Other) : TProcHandle(Other) {}
};

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

	// Child processes and pipes, as the engine's Windows build has them (see the module's README).
	// Every call may be made from any thread.
	// An anonymous pipe; the write end is meant for a child's output (CreateProc's PipeWriteChild).
	static bool CreatePipe(void*& ReadPipe, void*& WritePipe);
	static void ClosePipe(void* ReadPipe, void* WritePipe);
	// What the pipe holds now, decoded as UTF-8 on its own; empty when nothing waits. Never blocks.
	static FString ReadPipe(void* ReadPipe);
	// What the pipe holds now, replacing Output; false (Output untouched) when nothing waits. Never blocks.
	static bool ReadPipeToArray(void* ReadPipe, TArray<uint8>& Output);
	// Starts "URL" Parms (the URL quoted, then split as ExecProcess splits). The child's stdout and
	// stderr go to PipeWriteChild, its stdin comes from PipeReadChild (nothing when null). An invalid
	// handle when the program cannot start.
	static FProcHandle CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached, bool bLaunchHidden,
								  bool bLaunchReallyHidden, uint32* OutProcessID, int32 PriorityModifier,
								  const TCHAR* OptionalWorkingDirectory, void* PipeWriteChild, void* PipeReadChild = nullptr);
	static bool IsProcRunning(FProcHandle& ProcessHandle);
	static void WaitForProc(FProcHandle& ProcessHandle);
	static void CloseProc(FProcHandle& ProcessHandle);
	// Ends the process (and with KillTree its descendants, found by parent id); the handle stays open.
	static void TerminateProc(FProcHandle& ProcessHandle, bool KillTree = false);
	// False while the process runs.
	static bool GetProcReturnCode(FProcHandle& ProcHandle, int32* ReturnCode);
};
