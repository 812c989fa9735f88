#include "Logging/LogMacros.h"

#include <cstdio>
#include <fstream>
#include <mutex>

#include "Standin/Log.h"
#include "Standin/Machine.h"

DEFINE_LOG_CATEGORY(LogTemp)

const TCHAR* ToString(ELogVerbosity::Type Verbosity)
{
	switch (Verbosity & ELogVerbosity::VerbosityMask)
	{
	case ELogVerbosity::NoLogging:
		return TEXT("NoLogging");
	case ELogVerbosity::Fatal:
		return TEXT("Fatal");
	case ELogVerbosity::Error:
		return TEXT("Error");
	case ELogVerbosity::Warning:
		return TEXT("Warning");
	case ELogVerbosity::Display:
		return TEXT("Display");
	case ELogVerbosity::Log:
		return TEXT("Log");
	case ELogVerbosity::Verbose:
		return TEXT("Verbose");
	case ELogVerbosity::VeryVerbose:
		return TEXT("VeryVerbose");
	default:
		return TEXT("UknownVerbosity");
	}
}

namespace Standin::Log
{
namespace
{
struct FLogState
{
	std::mutex Mutex;
	std::ofstream File;
	std::vector<std::string> Lines;
};

FLogState& GetState()
{
	// Never destroyed: logging may happen while other static objects are torn down.
	static FLogState* State = new FLogState();
	return *State;
}
} // namespace

void OpenLogFile(const std::filesystem::path& HostPath)
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	std::error_code Error;
	std::filesystem::create_directories(HostPath.parent_path(), Error);
	State.File.close();
	State.File.open(HostPath, std::ios::binary | std::ios::trunc);
	if (!State.File)
	{
		std::fprintf(stderr, "Standin: Warning: cannot open the log file %s\n", HostPath.c_str());
	}
}

void CloseLogFile()
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.File.close();
}

void WriteRawLine(const std::string& Utf8Line)
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	std::fwrite(Utf8Line.data(), 1, Utf8Line.size(), stdout);
	std::fputc('\n', stdout);
	std::fflush(stdout);
	if (State.File.is_open())
	{
		State.File << Utf8Line << "\r\n";
		State.File.flush();
	}
	State.Lines.push_back(Utf8Line);
}

std::vector<std::string> GetLines()
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	return State.Lines;
}

void ClearLines()
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.Lines.clear();
}

bool Contains(const std::string& Text)
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	for (const std::string& Line : State.Lines)
	{
		if (Line.find(Text) != std::string::npos)
		{
			return true;
		}
	}
	return false;
}

void WriteMessage(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const std::u16string& Message)
{
	std::u16string Line(*Category.GetCategoryName().ToString());
	Line += u": ";
	if (Verbosity != ELogVerbosity::Log)
	{
		Line += ToString(Verbosity);
		Line += u": ";
	}
	Line += Message;
	WriteRawLine(Machine::ToUtf8(Line));
	if (Verbosity == ELogVerbosity::Fatal)
	{
		std::abort();
	}
}
} // namespace Standin::Log
