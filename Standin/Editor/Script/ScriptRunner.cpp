#include "Script/ScriptRunner.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "GenericPlatform/GenericPlatformMisc.h"
#include "Services/EditorServices.h"
#include "Standin/AsyncStandin.h"
#include "Standin/Dialogs.h"
#include "Standin/Log.h"
#include "Standin/Tickables.h"

namespace Standin::Editor
{
namespace
{
constexpr float FrameDeltaSeconds = 1.0f / 60.0f;
// Long enough that waiting for a worker does not spin a core, short enough to keep scripts quick.
constexpr std::chrono::milliseconds FrameSleep(2);

void ReportError(const std::string& Message)
{
	Log::WriteRawLine("Script: Error: " + Message);
}

void QueueAnswer(bool bYes)
{
	Dialogs::QueueAnswer(bYes ? EAppReturnType::Yes : EAppReturnType::No);
}

std::string FormatSeconds(double Seconds)
{
	char Buffer[64];
	std::snprintf(Buffer, sizeof(Buffer), "%g", Seconds);
	return Buffer;
}

bool IsIdle()
{
	return Async::IsIdle() && Services::IsSteamIdle();
}

bool WaitIdle(double Seconds)
{
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(Seconds);
	for (;;)
	{
		RunEditorFrame();
		if (IsIdle())
		{
			return true;
		}
		if (std::chrono::steady_clock::now() >= Deadline)
		{
			ReportError("wait-idle timed out after " + FormatSeconds(Seconds) + " s");
			return false;
		}
	}
}

} // namespace

namespace
{
bool ReportIfFailed(bool bOk, const std::string& Error)
{
	if (!bOk)
	{
		ReportError(Error);
	}
	return bOk;
}

// Runs one parsed command; false when it could not be done (its error is printed).
bool Execute(const FScriptCommand& Command, const std::filesystem::path& StartFolder)
{
	std::string Error;
	switch (Command.Verb)
	{
	case EScriptVerb::None:
	case EScriptVerb::Quit:
		return true;
	case EScriptVerb::Answer:
		QueueAnswer(Command.bYes);
		return true;
	case EScriptVerb::Window:
		return ReportIfFailed(Services::RunWindowCommand(Command.Name, Command.Arguments, StartFolder, Error), Error);
	case EScriptVerb::Tick:
		for (long long Frame = 0; Frame < Command.Frames; ++Frame)
		{
			RunEditorFrame();
		}
		return true;
	case EScriptVerb::WaitIdle:
		return WaitIdle(Command.Seconds);
	case EScriptVerb::SaveAll:
		return ReportIfFailed(Services::SaveAllPackages(Error), Error);
	case EScriptVerb::Edit:
		return ReportIfFailed(Services::EditObject(Command.ObjectPath, Command.Assignments, Error), Error);
	}
	return true;
}
} // namespace

bool FScriptLines::Next(std::string& OutLine)
{
	if (PutBackLine)
	{
		OutLine = std::move(*PutBackLine);
		PutBackLine.reset();
		return true;
	}
	if (!std::getline(Stream, OutLine))
	{
		return false;
	}
	++LineNumber;
	if (LineNumber == 1 && OutLine.starts_with("\xEF\xBB\xBF"))
	{
		OutLine.erase(0, 3);
	}
	return true;
}

void FScriptLines::PutBack(std::string Line)
{
	PutBackLine = std::move(Line);
}

void QueueLeadingAnswers(FScriptLines& Lines)
{
	std::string Line;
	while (Lines.Next(Line))
	{
		const FScriptCommand Command = ParseScriptLine(Line);
		if (!Command.Error.empty() || (Command.Verb != EScriptVerb::None && Command.Verb != EScriptVerb::Answer))
		{
			Lines.PutBack(std::move(Line));
			return;
		}
		if (Command.Verb == EScriptVerb::Answer)
		{
			QueueAnswer(Command.bYes);
		}
	}
}

bool RunScript(FScriptLines& Lines, const std::filesystem::path& StartFolder)
{
	bool bAllOk = true;
	std::string Line;
	while (Lines.Next(Line))
	{
		const FScriptCommand Command = ParseScriptLine(Line);
		if (!Command.Error.empty())
		{
			ReportError("line " + std::to_string(Lines.GetLineNumber()) + ": " + Command.Error);
			bAllOk = false;
			continue;
		}
		if (Command.Verb == EScriptVerb::Quit)
		{
			break;
		}
		bAllOk = Execute(Command, StartFolder) && bAllOk;
	}
	return bAllOk;
}

void RunEditorFrame()
{
	Async::RunGameThreadTasks();
	TickTickables(FrameDeltaSeconds);
	Services::TickWindows(FrameDeltaSeconds);
	std::this_thread::sleep_for(FrameSleep);
}
} // namespace Standin::Editor
