// FPlatformProcess::ExecProcess on the stand-in's process runner.
#include "HAL/PlatformProcess.h"
#include "HAL/ProcessRunner.h"

#include "Standin/Machine.h"

#include <string>

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
		*OutReturnCode = Result.bStarted ? Result.ExitCode : Standin::Process::WindowsStartError(Result.StartError);
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
