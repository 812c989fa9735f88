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

FToolRun RunTool(const FString& Path, const FString& Params)
{
	FToolRun Run;
	void* ReadPipe = nullptr;
	void* WritePipe = nullptr;
	if (!FPlatformProcess::CreatePipe(ReadPipe, WritePipe))
	{
		return Run;
	}
	FProcHandle Process = FPlatformProcess::CreateProc(*Path, *Params, false, true, true, nullptr, 0, nullptr, WritePipe);
	Run.bStarted = Process.IsValid();
	std::string Bytes;
	for (bool bRunning = Run.bStarted; bRunning;)
	{
		bRunning = FPlatformProcess::IsProcRunning(Process);
		for (TArray<uint8> Chunk; FPlatformProcess::ReadPipeToArray(ReadPipe, Chunk);)
		{
			Bytes.append(reinterpret_cast<const char*>(Chunk.GetData()), static_cast<size_t>(Chunk.Num()));
		}
	}
	if (Run.bStarted)
	{
		FPlatformProcess::GetProcReturnCode(Process, &Run.ReturnCode);
		FPlatformProcess::CloseProc(Process);
	}
	FPlatformProcess::ClosePipe(ReadPipe, WritePipe);
	Run.Output = FString(Standin::Machine::ToUtf16(Bytes).c_str());
	return Run;
}

std::string MakeNonZeroLine(const std::string& Prefix, const FToolRun& Run)
{
	return Prefix + " " + std::to_string(Run.ReturnCode) + " \n" + ToUtf8(Run.Output) + " ";
}

std::vector<std::string> MakeFailureLines(const std::string& Prefix, const FToolRun& Run)
{
	std::vector<std::string> Lines;
	std::istringstream Output(ToUtf8(Run.Output));
	for (std::string Line; std::getline(Output, Line);)
	{
		if (Line.rfind("Error:", 0) == 0 || Line.find(": Error:") != std::string::npos)
		{
			Lines.push_back("LevelwrightLog: Error: " + Line);
		}
	}
	Lines.push_back(MakeNonZeroLine(Prefix, Run));
	return Lines;
}

FPakListing ListPak(const fs::path& Pak)
{
	const FToolRun Run = RunTool(FString((BuiltBinariesDir() / "UnrealPak.exe").string().c_str()), FString(("\"" + Pak.string() + "\" -List").c_str()));
	FPakListing Listing;
	Listing.ExitCode = Run.bStarted ? Run.ReturnCode : -1;
	std::istringstream Lines(ToUtf8(Run.Output));
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
