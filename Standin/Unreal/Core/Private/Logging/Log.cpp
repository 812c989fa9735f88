#include "Logging/LogMacros.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#include "Standin/Log.h"
#include "Standin/Machine.h"

DEFINE_LOG_CATEGORY(LogTemp)

FLogCategoryBase::FLogCategoryBase(const TCHAR* InCategoryName, ELogVerbosity::Type InDefaultVerbosity,
								   ELogVerbosity::Type InCompileTimeVerbosity)
	: CategoryName(InCategoryName)
	, Verbosity(InDefaultVerbosity)
	, CompileTimeVerbosity(InCompileTimeVerbosity)
	, Utf8Name(Standin::Machine::ToUtf8(InCategoryName))
{
}

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
// The log file is buffered, as the engine's is: one system call a line made logging the plugin's
// per-file lines cost more than the work they describe. It is flushed with the first line written
// FlushInterval or more after the last flush, at a fatal error, when closed and at exit. Standard output
// gets each line at once when someone may be watching it (a terminal, a pipe: tests and scripts wait for
// lines there); written to a file or /dev/null it is buffered like the log file, as C's stdio does.
constexpr auto FlushInterval = std::chrono::milliseconds(200);

bool IsStdOutWatched()
{
	static const bool bWatched = [] {
		struct stat Info{};
		return ::isatty(STDOUT_FILENO) || ::fstat(STDOUT_FILENO, &Info) != 0 || S_ISFIFO(Info.st_mode) || S_ISSOCK(Info.st_mode);
	}();
	return bWatched;
}

struct FLogState
{
	std::mutex Mutex;
	std::ofstream File;
	// Large enough that a walk logging a line per file makes few system calls.
	std::vector<char> FileBuffer = std::vector<char>(std::size_t(1) << 16);
	std::chrono::steady_clock::time_point LastFlush;
	bool bKeepLines = false;
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
	State.File.rdbuf()->pubsetbuf(State.FileBuffer.data(), static_cast<std::streamsize>(State.FileBuffer.size()));
	State.File.open(HostPath, std::ios::binary | std::ios::trunc);
	if (!State.File)
	{
		std::fprintf(stderr, "Standin: Warning: cannot open the log file %s\n", HostPath.c_str());
	}
	State.LastFlush = std::chrono::steady_clock::now();
	static const bool bFlushAtExit = std::atexit(Flush) == 0;
	(void)bFlushAtExit;
}

void Flush()
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	std::fflush(stdout);
	if (State.File.is_open())
	{
		State.File.flush();
	}
}

void CloseLogFile()
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.File.close();
}

void WriteRawLine(std::string Utf8Line)
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	std::fwrite(Utf8Line.data(), 1, Utf8Line.size(), stdout);
	std::fputc('\n', stdout);
	if (IsStdOutWatched())
	{
		std::fflush(stdout);
	}
	if (State.File.is_open())
	{
		State.File << Utf8Line << "\r\n";
	}
	const auto Now = std::chrono::steady_clock::now();
	if (Now - State.LastFlush >= FlushInterval)
	{
		std::fflush(stdout);
		if (State.File.is_open())
		{
			State.File.flush();
		}
		State.LastFlush = Now;
	}
	if (State.bKeepLines)
	{
		State.Lines.push_back(std::move(Utf8Line));
	}
}

void KeepLines(bool bKeep)
{
	FLogState& State = GetState();
	std::lock_guard Lock(State.Mutex);
	State.bKeepLines = bKeep;
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
	std::string Line;
	Line.reserve(Category.GetUtf8Name().size() + Message.size() + 16);
	Line += Category.GetUtf8Name();
	Line += ": ";
	if (Verbosity != ELogVerbosity::Log)
	{
		Machine::AppendUtf8(Line, ToString(Verbosity));
		Line += ": ";
	}
	Machine::AppendUtf8(Line, Message);
	WriteRawLine(std::move(Line));
	if (Verbosity == ELogVerbosity::Fatal)
	{
		Flush();
		std::abort();
	}
}
} // namespace Standin::Log
