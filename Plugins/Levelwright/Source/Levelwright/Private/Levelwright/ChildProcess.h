// Running the engine's tools (the cook commandlet, UnrealPak) so that every line they print reaches the
// editor's log while they run, and so that a cancel can end them with everything they started.
#pragma once

#include "CoreMinimal.h"

class FJobProgress;

// Cuts a child's output into lines as its bytes arrive. A line ends at CR, LF or CRLF; its bytes are
// decoded as UTF-8 only once the line is whole, so a character split between two reads stays whole.
class FChildOutputLines
{
public:
	// Adds what was read and moves every completed line to OutLines.
	void Append(const TArray<uint8>& Bytes, TArray<FString>& OutLines);
	// The last line, which has no line end; empty when there is none.
	FString TakeRest();

private:
	TArray<uint8> Pending;
	// A CR ended the last line: a LF right after it belongs to the same line end.
	bool bAfterCarriageReturn = false;
};

enum class EChildLineVerbosity : uint8
{
	Log,
	Warning,
	Error,
};

// A tool's "Error:" and "Warning:" lines keep their weight in the editor's log.
EChildLineVerbosity GetChildLineVerbosity(const FString& Line);

struct FChildProcessResult
{
	bool bStarted = false;
	bool bCancelled = false;
	int32 ReturnCode = -1;
	// Everything the child printed (standard output and error together, as the engine's pipe gives them).
	FString Output;
};

// Runs the program at Path with Params, logs each line it prints as it arrives (LevelwrightLog, with the
// line's verbosity) and returns when the child has exited, even when a process it started still holds
// the pipe. Progress (may be null) learns the child, so that its cancel ends the child's whole tree.
FChildProcessResult RunChildProcess(const FString& Path, const FString& Params, FJobProgress* Progress);

// Runs a tool of the engine ("UE4Editor.exe", "UnrealPak.exe") through RunChildProcess. False after an
// Error line "<CommandName> command failed: ..." when it cannot start, or "<CommandName> command returned
// non-zero value: ..." with everything it printed; false without a line when the job was cancelled.
bool RunEngineTool(const TCHAR* ExecutableName, const FString& Params, const TCHAR* CommandName, FJobProgress* Progress);
