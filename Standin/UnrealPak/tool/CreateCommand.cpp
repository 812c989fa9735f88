#include "Commands.h"
#include "PakLog.h"
#include "Standin/Machine.h"
#include "Standin/Pak/PakWriter.h"

namespace Standin::Pak
{
int RunCreate(const FPakCommandLine& Line)
{
	Log::Display("Loading response file " + Line.ResponseFile);
	std::vector<FPakInputPair> Inputs;
	try
	{
		Inputs = LoadResponseFile(Standin::Machine::ToHostPath(Line.ResponseFile));
	}
	catch (const FPakError& Error)
	{
		Log::Error("Failed to load response file " + Line.ResponseFile + ": " + Error.what() + ".");
		return 1;
	}
	Log::Display("Added " + std::to_string(Inputs.size()) + " entries to add to pak file.");
	if (Inputs.empty())
	{
		Log::Error("No files specified to add to pak file.");
		return 1;
	}

	Log::Display("Collecting files to add to pak file...");
	const double CollectStart = Log::Elapsed();
	std::u16string MountPoint;
	std::vector<FPakSource> Sources;
	try
	{
		Sources = CollectSources(std::move(Inputs), MountPoint);
	}
	catch (const FPakError& Error)
	{
		Log::Error(std::string("Failed to collect files to add to pak file: ") + Error.what() + ".");
		return 1;
	}
	Log::Display("Collected " + std::to_string(Sources.size()) + " files in " +
				 Log::Seconds(Log::Elapsed() - CollectStart) + "s.");

	Log::Display("Creating pak " + Line.PakPath + ".");
	const double WriteStart = Log::Elapsed();
	try
	{
		FPakWriteOptions Options;
		Options.PatchPaddingAlign = Line.PatchPaddingAlign;
		const FPakWriteResult Result = WritePak(Standin::Machine::ToHostPath(Line.PakPath), MountPoint, Sources, Options);
		Log::Display("Added " + std::to_string(Result.FileCount) + " files, " + std::to_string(Result.ArchiveSize) +
					 " bytes total, time " + Log::Seconds(Log::Elapsed() - WriteStart) + "s.");
	}
	catch (const FPakError& Error)
	{
		Log::Error("Failed to create pak file " + Line.PakPath + ": " + Error.what() + ".");
		return 1;
	}
	return 0;
}
} // namespace Standin::Pak
