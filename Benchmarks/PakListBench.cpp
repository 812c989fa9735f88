// The plugin's pak-list step (walk the cooked map folder, one line per file, save the list) next to
// `find <folder> -type f` over the same tree, for 1,000, 10,000 and 100,000 cooked files.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "BenchSupport.h"
#include "Common/CustomMapNames.h"
#include "Levelwright/BuildCommands.h"
#include "Levelwright/BuildPaths.h"
#include "Levelwright/PakListVisitor.h"
#include "Misc/Paths.h"
#include "Standin/Log.h"
#include "TestEnvironment.h"

namespace fs = std::filesystem;
using namespace LevelwrightBench;

namespace
{
const int FileCounts[] = {1000, 10000, 100000};

struct FWorld : LevelwrightTest::FTestWorld
{
	FWorld()
	{
		Start();
		for (const int Count : FileCounts)
		{
			WriteCookedTree(CookedHostDir(Count), Count);
		}
		// Writing 111,000 files leaves the file system seconds of writeback: done now, it is not
		// charged to whichever side happens to run first.
		::sync();
	}

	static FString MapFolder(int Count) { return FString::Printf(TEXT("UGC%d"), Count); }
	static FString CookedMapDir(int Count) { return CustomMapNames::MakeCookedMapDir(GetAbsoluteSavedDir(), TEXT("WindowsNoEditor"), MapFolder(Count)); }
	fs::path CookedHostDir(int Count) const
	{
		return Project.Dir() / "Saved/Cooked/WindowsNoEditor/Drovik/Content/CustomMaps" / ("UGC" + std::to_string(Count));
	}

	// A cooked map as the cook lays it out: the map, then folders of 100 assets, each a .uasset and a
	// .uexp (empty: the list step never reads them).
	static void WriteCookedTree(const fs::path& Root, int Count)
	{
		for (int Index = 0; Index < Count; ++Index)
		{
			const fs::path Folder = Root / "Props" / ("Set" + std::to_string(Index / 100));
			if (Index % 100 == 0)
			{
				fs::create_directories(Folder);
			}
			const std::string Stem = "Asset_" + std::to_string(Index / 2) + (Index % 2 ? ".uexp" : ".uasset");
			std::ofstream(Folder / Stem).flush();
		}
	}
};

FWorld* GWorld = nullptr;

void BM_PluginPakList(benchmark::State& State)
{
	const int Count = static_cast<int>(State.range(0));
	const FString CookedDir = FWorld::CookedMapDir(Count);
	const FString MountPoint = CustomMapNames::MakeMountPoint(FWorld::MapFolder(Count));
	const FString PakListPath = FPaths::Combine(GetAbsoluteSavedDir(), TEXT("custommap_paklist.txt"));
	for (auto _ : State)
	{
		Standin::Log::ClearLines();
		const double Start = Now();
		const double CpuStart = CpuNow();
		WritePakList(CookedDir, MountPoint, PakListPath);
		SetIterationTimes(State, Now() - Start, CpuNow() - CpuStart);
	}
}

void BM_FindFiles(benchmark::State& State)
{
	const fs::path Folder = GWorld->CookedHostDir(static_cast<int>(State.range(0)));
	for (auto _ : State)
	{
		const FProcessRun Run = RunProcess({"find", Folder.string(), "-type", "f"});
		SetIterationTimes(State, Run.Seconds, Run.CpuSeconds);
	}
}

void Configure(benchmark::internal::Benchmark* Bench)
{
	Bench->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
	Bench->Arg(1000)->Arg(10000)->Arg(100000)->Repetitions(9);
}

BENCHMARK(BM_PluginPakList)->Apply(Configure);
BENCHMARK(BM_FindFiles)->Apply(Configure);

std::vector<FRow> MakeRows(const FCollectingReporter& Results)
{
	std::vector<FRow> Rows;
	auto Plugin = [&](int Count) { return Results.Get("BM_PluginPakList/" + std::to_string(Count)); };
	for (const int Count : FileCounts)
	{
		Rows.push_back(MakeRatioRow("Pak list, " + std::to_string(Count) + " files (vs find -type f)", Plugin(Count),
									Results.Get("BM_FindFiles/" + std::to_string(Count)), 2.0, "9 runs each"));
		Rows.back().Note += "; the process's first run " + FormatSeconds(Plugin(Count).First) + " (its memory not yet mapped)";
	}
	const double PerFileAt100k = Plugin(100000).CpuMin / 100000;
	const double PerFileAt10k = Plugin(10000).CpuMin / 10000;
	FRow Scaling;
	Scaling.Name = "Pak list, time per file at 100,000 files vs at 10,000";
	Scaling.Plugin = FormatSeconds(PerFileAt100k);
	Scaling.Baseline = FormatSeconds(PerFileAt10k);
	Scaling.Result = FormatRatio(PerFileAt100k / PerFileAt10k);
	Scaling.Goal = "at most 1.2x";
	Scaling.bMet = PerFileAt100k / PerFileAt10k <= 1.2;
	Scaling.Note = "CPU time of the runs above; wall clock " + FormatRatio((Plugin(100000).Min / 100000) / (Plugin(10000).Min / 10000));
	Rows.push_back(Scaling);
	return Rows;
}
} // namespace

int main(int Argc, char** Argv)
{
	FWorld World;
	GWorld = &World;
	return RunAndReport(Argc, Argv, MakeRows);
}
