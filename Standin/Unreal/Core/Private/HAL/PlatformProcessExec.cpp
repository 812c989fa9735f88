// FPlatformProcess::ExecProcess on the stand-in's process runner.
#include "HAL/PlatformProcess.h"
#include "HAL/ProcessRunner.h"

#include "Standin/Machine.h"

#include <cerrno>
#include <string>

namespace
{
// What GetLastError() says after a failed CreateProcess, for the errno of a failed start.
int32 WindowsStartError(int Error)
{
	constexpr int32 FileNotFound = 2;
	constexpr int32 AccessDenied = 5;
	constexpr int32 BadExeFormat = 193;
	constexpr int32 GeneralFailure = 31;
	switch (Error)
	{
	case ENOENT:
	case ENOTDIR:
		return FileNotFound;
	case EACCES:
	case EISDIR:
	case EPERM:
		return AccessDenied;
	case ENOEXEC:
		return BadExeFormat;
	default:
		return GeneralFailure;
	}
}
} // namespace

bool FPlatformProcess::ExecProcess(const TCHAR* URL, const TCHAR* Params, int32* OutReturnCode, FString* OutStdOut,
								   FString* OutStdErr)
{
	// As the engine does on Windows: "URL Params" is one command line, split by the C runtime's rules.
	std::u16string CommandLine = URL ? URL : u"";
	CommandLine += u" ";
	CommandLine += Params ? Params : u"";
	const Standin::Process::FProcessResult Result = Standin::Process::Run(CommandLine);
	if (OutReturnCode)
	{
		*OutReturnCode = Result.bStarted ? Result.ExitCode : WindowsStartError(Result.StartError);
	}
	if (OutStdOut)
	{
		*OutStdOut = FString(Standin::Machine::ToUtf16(Result.StdOut));
	}
	if (OutStdErr)
	{
		*OutStdErr = FString(Standin::Machine::ToUtf16(Result.bStarted ? Result.StdErr : Result.FailureReason));
	}
	return Result.bStarted;
}
