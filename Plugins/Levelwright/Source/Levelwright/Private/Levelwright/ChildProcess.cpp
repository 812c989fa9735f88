#include "Levelwright/ChildProcess.h"

#include "Common/LevelwrightLog.h"
#include "Containers/StringConv.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/JobProgress.h"

namespace
{
// Decodes Bytes as UTF-8; the array is given a terminating zero for the converter and keeps it.
FString DecodeUtf8(TArray<uint8>& Bytes)
{
	if (Bytes.Num() == 0)
	{
		return FString();
	}
	Bytes.Add(0);
	const FUTF8ToTCHAR Converted(reinterpret_cast<const ANSICHAR*>(Bytes.GetData()));
	return FString(Converted.Get());
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
	const uint8* Data = Bytes.GetData();
	const int32 Count = Bytes.Num();
	int32 Index = 0;
	if (bAfterCarriageReturn && Count > 0 && Data[0] == '\n')
	{
		++Index;
	}
	bAfterCarriageReturn = false;
	while (Index < Count)
	{
		int32 End = Index;
		while (End < Count && Data[End] != '\r' && Data[End] != '\n')
		{
			++End;
		}
		Pending.Append(Data + Index, End - Index);
		if (End == Count)
		{
			break;
		}
		OutLines.Add(DecodeUtf8(Pending));
		Pending.Reset();
		// A CRLF is one line end, also when its LF comes in the next read.
		const bool bCarriageReturn = Data[End] == '\r';
		Index = End + 1;
		if (bCarriageReturn && Index < Count && Data[Index] == '\n')
		{
			++Index;
		}
		bAfterCarriageReturn = bCarriageReturn && Index == Count;
	}
}

FString FChildOutputLines::TakeRest()
{
	FString Rest = DecodeUtf8(Pending);
	Pending.Reset();
	return Rest;
}

EChildLineVerbosity GetChildLineVerbosity(const FString& Line)
{
	// The engine writes "<Category>: <Verbosity>: <text>", or "<Verbosity>: <text>" without a category:
	// the weight is the first or the second word. Lines are read one by one, many thousands a cook.
	const TCHAR* Text = *Line;
	for (int32 Word = 0; Word < 2 && *Text; ++Word)
	{
		if (FCString::Strncmp(Text, TEXT("Error:"), 6) == 0)
		{
			return EChildLineVerbosity::Error;
		}
		if (FCString::Strncmp(Text, TEXT("Warning:"), 8) == 0)
		{
			return EChildLineVerbosity::Warning;
		}
		while (*Text && *Text != TEXT(':') && *Text != TEXT(' '))
		{
			++Text;
		}
		if (Text[0] != TEXT(':') || Text[1] != TEXT(' '))
		{
			break;
		}
		Text += 2;
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
	for (int32 EmptyReads = 0;;)
	{
		// Whatever the child wrote before it ended is in the pipe once it has ended: the last read comes
		// after that check. A process the child started may hold the pipe for longer; it is not waited for.
		const bool bRunning = FPlatformProcess::IsProcRunning(Process);
		EmptyReads = DrainPipe(ReadPipe, Lines, AllBytes) ? 0 : EmptyReads + 1;
		if (!bRunning)
		{
			break;
		}
		// A child that writes much waits whenever the pipe is full: right after output the pipe is looked
		// at again soon; a child that has been quiet for a while is looked at every few milliseconds.
		FPlatformProcess::Sleep(EmptyReads == 0 ? 0.0f : (EmptyReads < 100 ? 0.0002f : 0.005f));
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
	Result.Output = DecodeUtf8(AllBytes);
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
