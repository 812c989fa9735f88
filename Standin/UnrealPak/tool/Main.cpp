// UnrealPak.exe: <pak> -create=<list> | <pak> -List | <pak> -Extract <dir>
#include "Commands.h"
#include "PakLog.h"

#include <cstdio>

int main(int ArgumentCount, char** Arguments)
{
	using namespace Standin::Pak;
	static char OutputBuffer[1 << 16];
	std::setvbuf(stdout, OutputBuffer, _IOFBF, sizeof(OutputBuffer));

	const FPakCommandLineResult Parsed = ParseCommandLine(std::vector<std::string>(Arguments + 1, Arguments + ArgumentCount));
	if (!Parsed.CommandLine)
	{
		Log::Error(Parsed.Error);
		return 1;
	}
	const FPakCommandLine& Line = *Parsed.CommandLine;
	for (const std::string& Switch : Line.IgnoredSwitches)
	{
		Log::Warning("Ignoring the unknown switch " + Switch + ".");
	}
	const int ExitCode = Line.Command == EPakCommand::Create ? RunCreate(Line)
						 : Line.Command == EPakCommand::List ? RunList(Line)
															 : RunExtract(Line);
	Log::Display("Unreal pak executed in " + Log::Seconds(Log::Elapsed()) + " seconds");
	std::fflush(stdout);
	return ExitCode;
}
