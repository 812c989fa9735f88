#include "PipelineTestSupport.h"

#include <algorithm>
#include <sstream>

#include "HAL/PlatformProcess.h"
#include "Standin/Machine.h"

namespace fs = std::filesystem;

namespace LevelwrightTest
{
std::string ToUtf8(const FString& Text)
{
	return Standin::Machine::ToUtf8(std::u16string(*Text));
}

FToolRun RunTool(const FString& Url, const FString& Params)
{
	FToolRun Run;
	Run.bStarted = FPlatformProcess::ExecProcess(*Url, *Params, &Run.ReturnCode, &Run.StdOut, &Run.StdErr);
	return Run;
}

std::string MakeNonZeroLine(const std::string& Prefix, const FToolRun& Run)
{
	return Prefix + " " + std::to_string(Run.ReturnCode) + " \n" + ToUtf8(Run.StdOut) + " " + ToUtf8(Run.StdErr);
}

FPakListing ListPak(const fs::path& Pak)
{
	const std::string Url = "\"" + (BuiltBinariesDir() / "UnrealPak.exe").string() + "\"";
	const FToolRun Run = RunTool(FString(Url.c_str()), FString(("\"" + Pak.string() + "\" -List").c_str()));
	FPakListing Listing;
	Listing.ExitCode = Run.bStarted ? Run.ReturnCode : -1;
	std::istringstream Lines(ToUtf8(Run.StdOut));
	const std::string Prefix = "LogPakFile: Display: ";
	for (std::string Line; std::getline(Lines, Line);)
	{
		if (Line.rfind(Prefix + "Mount point ", 0) == 0)
		{
			Listing.MountPoint = Line.substr(Prefix.size() + 12);
		}
		else if (Line.rfind(Prefix + "\"", 0) == 0)
		{
			const size_t Start = Prefix.size() + 1;
			Listing.Names.push_back(Line.substr(Start, Line.find('"', Start) - Start));
		}
	}
	std::sort(Listing.Names.begin(), Listing.Names.end());
	return Listing;
}

std::vector<std::string> ListFilesBelow(const fs::path& Folder)
{
	std::vector<std::string> Files;
	std::error_code Error;
	for (auto It = fs::recursive_directory_iterator(Folder, Error); !Error && It != fs::recursive_directory_iterator(); It.increment(Error))
	{
		if (It->is_regular_file())
		{
			Files.push_back(fs::relative(It->path(), Folder).generic_string());
		}
	}
	std::sort(Files.begin(), Files.end());
	return Files;
}

fs::path FPipelineTest::CookedMapDir(const std::string& Platform, const std::string& Folder) const
{
	return SavedDir() / "Cooked" / Platform / "Drovik" / "Content" / "CustomMaps" / Folder;
}

std::vector<std::string> FPipelineTest::LinesSinceMark() const
{
	const std::vector<std::string> Lines = LogLines();
	return std::vector<std::string>(Lines.begin() + std::min(LogMark, Lines.size()), Lines.end());
}

bool FPipelineTest::HasLine(const std::string& Line) const
{
	const std::vector<std::string> Lines = LogLines();
	return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
}
} // namespace LevelwrightTest
