// UnrealPak's command line, as it arrives already split into arguments with quotes removed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Standin::Pak
{
enum class EPakCommand
{
	Create,
	List,
	Extract
};

struct FPakCommandLine
{
	EPakCommand Command = EPakCommand::Create;
	std::string PakPath;	  // engine form, as given
	std::string ResponseFile; // -create=
	std::string ExtractDir;	  // the second plain argument of -Extract
	uint64_t PatchPaddingAlign = 0;
	uint64_t SizeFilter = 0;
	std::vector<std::string> IgnoredSwitches; // unknown to this tool and without effect on its work
};

// The parsed command line, or the error line that explains what is wrong with it.
struct FPakCommandLineResult
{
	std::optional<FPakCommandLine> CommandLine;
	std::string Error;
};

FPakCommandLineResult ParseCommandLine(const std::vector<std::string>& Arguments);
} // namespace Standin::Pak
