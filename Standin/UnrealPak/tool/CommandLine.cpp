#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace Standin::Pak
{
namespace
{
constexpr const char* CreateUsage = "Incorrect arguments. Expected: <PakFile> -Create=<ResponseFile> [-Platform=P] "
									"[-UTF8Output] [-multiprocess] [-PatchPaddingAlign=N]";
constexpr const char* ListUsage = "Incorrect arguments. Expected: -List <PakFile> [-SizeFilter=N] [-Signed]";
constexpr const char* ExtractUsage = "Incorrect arguments. Expected: -Extract <PakFile> <OutputPath>";

// Switches of the real tool that change the archive or how it is read; this one cannot follow them
// and must not pretend to.
constexpr std::array<std::string_view, 13> UnsupportedSwitches = {
	"compress", "compressionformat", "compressionformats", "encrypt", "encryptindex", "sign", "signed",
	"order", "generatepatch", "aes", "cryptokeys", "encryptionini", "diff"};

std::string ToLower(std::string_view Text)
{
	std::string Lower(Text);
	std::transform(Lower.begin(), Lower.end(), Lower.begin(), [](char C) {
		return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
	});
	return Lower;
}

std::optional<uint64_t> ParseCount(std::string_view Text)
{
	uint64_t Value = 0;
	const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
	if (Text.empty() || Error != std::errc() || End != Text.data() + Text.size())
	{
		return std::nullopt;
	}
	return Value;
}

struct FSwitch
{
	std::string Name; // lower case, without '-'
	std::string Value;
	bool bHasValue = false;
};

FSwitch SplitSwitch(std::string_view Argument)
{
	FSwitch Switch;
	Argument.remove_prefix(1);
	const size_t Equals = Argument.find('=');
	Switch.Name = ToLower(Argument.substr(0, Equals));
	if (Equals != std::string_view::npos)
	{
		Switch.Value = std::string(Argument.substr(Equals + 1));
		Switch.bHasValue = true;
	}
	return Switch;
}
// Applies one switch to the command line; returns the error line when the switch is refused.
std::string ApplySwitch(const std::string& Argument, FPakCommandLine& Line, int& Commands)
{
	const FSwitch Switch = SplitSwitch(Argument);
	const bool bCreate = Switch.Name == "create" && Switch.bHasValue;
	const bool bReadCommand = !Switch.bHasValue && (Switch.Name == "list" || Switch.Name == "extract");
	if (bCreate || bReadCommand)
	{
		Line.Command = Switch.Name == "create" ? EPakCommand::Create
					   : Switch.Name == "list" ? EPakCommand::List
											   : EPakCommand::Extract;
		Line.ResponseFile = Switch.Value;
		++Commands;
	}
	else if ((Switch.Name == "patchpaddingalign" || Switch.Name == "sizefilter") && Switch.bHasValue)
	{
		const std::optional<uint64_t> Count = ParseCount(Switch.Value);
		if (!Count)
		{
			return "Incorrect arguments. " + Argument + " needs a whole number.";
		}
		(Switch.Name == "sizefilter" ? Line.SizeFilter : Line.PatchPaddingAlign) = *Count;
	}
	else if (std::find(UnsupportedSwitches.begin(), UnsupportedSwitches.end(), Switch.Name) != UnsupportedSwitches.end())
	{
		return Argument + " is not supported by this UnrealPak: it writes and reads only uncompressed, unencrypted, "
						  "unsigned archives in path order.";
	}
	else if (Switch.Name != "platform" && Switch.Name != "utf8output" && Switch.Name != "multiprocess")
	{
		Line.IgnoredSwitches.push_back(Argument);
	}
	return {};
}
} // namespace

FPakCommandLineResult ParseCommandLine(const std::vector<std::string>& Arguments)
{
	FPakCommandLine Line;
	std::vector<std::string> Plain;
	int Commands = 0;
	std::string SwitchError;
	for (const std::string& Argument : Arguments)
	{
		if (Argument.empty() || Argument[0] != '-')
		{
			Plain.push_back(Argument);
		}
		else if (std::string Error = ApplySwitch(Argument, Line, Commands); !Error.empty() && SwitchError.empty())
		{
			SwitchError = Error;
		}
	}
	const char* Usage = Line.Command == EPakCommand::List ? ListUsage
						: Line.Command == EPakCommand::Extract ? ExtractUsage
															   : CreateUsage;
	const size_t PlainExpected = Line.Command == EPakCommand::Extract ? 2 : 1;
	if (Commands != 1 || Plain.size() != PlainExpected || Plain[0].empty() ||
		(Line.Command == EPakCommand::Create && Line.ResponseFile.empty()))
	{
		return {std::nullopt, Commands > 1 ? "Incorrect arguments. Give one of -Create=, -List and -Extract." : Usage};
	}
	if (!SwitchError.empty())
	{
		return {std::nullopt, SwitchError};
	}
	Line.PakPath = Plain[0];
	if (Line.Command == EPakCommand::Extract)
	{
		Line.ExtractDir = Plain[1];
	}
	return {std::move(Line), {}};
}
} // namespace Standin::Pak
