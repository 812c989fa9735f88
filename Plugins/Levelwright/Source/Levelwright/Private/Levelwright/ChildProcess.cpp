#include "Levelwright/ChildProcess.h"

#include "Common/LevelwrightLog.h"
#include "Containers/StringConv.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/JobProgress.h"

namespace
{
FString DecodeUtf8(const uint8* Bytes, int32 Count)
{
	if (Count == 0)
	{
		return FString();
	}
	// With a length the converter writes no terminator: the string is built from the length.
	const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(Bytes), Count);
	return FString(Converted.Length(), Converted.Get());
}

void LogChildLine(const FString& Line)
{
	switch (GetChildLineVerbosity(Line))
	{
	case EChildLineVerbosity::Error:
		UE_LOG(LevelwrightLog, Error, TEXT("%s"), *Line);
		break;
	case EChildLineVerbosity::Warning:
		UE_LOG(LevelwrightLog, Warning, TEXT("%s"), *Line);
		break;
	default:
		UE_LOG(LevelwrightLog, Log, TEXT("%s"), *Line);
		break;
	}
}

// Reads everything the pipe holds now, logging each completed line; false when it held nothing.
bool DrainPipe(void* ReadPipe, FChildOutputLines& Lines, TArray<uint8>& AllBytes)
{
	TArray<uint8> Chunk;
	TArray<FString> Completed;
	bool bReadAny = false;
	while (FPlatformProcess::ReadPipeToArray(ReadPipe, Chunk))
	{
		bReadAny = true;
		AllBytes.Append(Chunk);
		Lines.Append(Chunk, Completed);
		for (const FString& Line : Completed)
		{
			LogChildLine(Line);
		}
		Completed.Reset();
	}
	return bReadAny;
}
} // namespace

void FChildOutputLines::Append(const TArray<uint8>& Bytes, TArray<FString>& OutLines)
{
	for (const uint8 Byte : Bytes)
	{
		const bool bLineFeedAfterCarriageReturn = bAfterCarriageReturn && Byte == '\n';
		bAfterCarriageReturn = Byte == '\r';
		if (bLineFeedAfterCarriageReturn)
		{
			continue;
		}
		if (Byte == '\r' || Byte == '\n')
		{
			OutLines.Add(DecodeUtf8(Pending.GetData(), Pending.Num()));
			Pending.Reset();
		}
		else
		{
			Pending.Add(Byte);
		}
	}
}

FString FChildOutputLines::TakeRest()
{
	FString Rest = DecodeUtf8(Pending.GetData(), Pending.Num());
	Pending.Reset();
	return Rest;
}

EChildLineVerbosity GetChildLineVerbosity(const FString& Line)
{
	if (Line.StartsWith(TEXT("Error:"), ESearchCase::CaseSensitive) || Line.Contains(TEXT(": Error:"), ESearchCase::CaseSensitive))
	{
		return EChildLineVerbosity::Error;
	}
	if (Line.StartsWith(TEXT("Warning:"), ESearchCase::CaseSensitive) || Line.Contains(TEXT(": Warning:"), ESearchCase::CaseSensitive))
	{
		return EChildLineVerbosity::Warning;
	}
	return EChildLineVerbosity::Log;
}

FChildProcessResult RunChildProcess(const FString& Path, const FString& Params, FJobProgress* Progress)
{
	FChildProcessResult Result;
	void* ReadPipe = nullptr;
	void* WritePipe = nullptr;
	if (!FPlatformProcess::CreatePipe(ReadPipe, WritePipe))
	{
		return Result;
	}
	FProcHandle Process = FPlatformProcess::CreateProc(*Path, *Params, false, true, true, nullptr, 0, nullptr, WritePipe);
	if (!Process.IsValid())
	{
		FPlatformProcess::ClosePipe(ReadPipe, WritePipe);
		return Result;
	}
	Result.bStarted = true;
	if (Progress)
	{
		Progress->SetProcess(&Process);
	}

	FChildOutputLines Lines;
	TArray<uint8> AllBytes;
	for (;;)
	{
		// Whatever the child wrote before it ended is in the pipe once it has ended: the last read comes
		// after that check. A process the child started may hold the pipe for longer; it is not waited for.
		const bool bRunning = FPlatformProcess::IsProcRunning(Process);
		const bool bReadAny = DrainPipe(ReadPipe, Lines, AllBytes);
		if (!bRunning)
		{
			break;
		}
		if (!bReadAny)
		{
			FPlatformProcess::Sleep(0.005f);
		}
	}
	const FString LastLine = Lines.TakeRest();
	if (!LastLine.IsEmpty())
	{
		LogChildLine(LastLine);
	}

	if (Progress)
	{
		Progress->SetProcess(nullptr);
		Result.bCancelled = Progress->IsCancelRequested();
	}
	FPlatformProcess::GetProcReturnCode(Process, &Result.ReturnCode);
	FPlatformProcess::CloseProc(Process);
	FPlatformProcess::ClosePipe(ReadPipe, WritePipe);
	Result.Output = DecodeUtf8(AllBytes.GetData(), AllBytes.Num());
	return Result;
}

bool RunEngineTool(const TCHAR* ExecutableName, const FString& Params, const TCHAR* CommandName, FJobProgress* Progress)
{
	if (Progress && Progress->IsCancelRequested())
	{
		return false;
	}
	const FString Path = GetEngineToolPath(ExecutableName);
	const FChildProcessResult Result = RunChildProcess(Path, Params, Progress);
	if (Result.bCancelled)
	{
		return false;
	}
	if (!Result.bStarted)
	{
		UE_LOG(LevelwrightLog, Error, TEXT("%s command failed: %s %s"), CommandName, *Path, *Params);
		return false;
	}
	if (Result.ReturnCode != 0)
	{
		// The tool's two streams come through one pipe, as on Windows: all of it is the first part.
		UE_LOG(LevelwrightLog, Error, TEXT("%s command returned non-zero value: %d \n%s %s"), CommandName, Result.ReturnCode, *Result.Output, TEXT(""));
		return false;
	}
	return true;
}
