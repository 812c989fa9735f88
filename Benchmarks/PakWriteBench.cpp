// UnrealPak.exe -create of 1 GiB of cooked files, as the plugin runs it, next to the serial sum of
// `cat <files> > <out>` and `sha1sum <files>` (the reading, writing and hashing no pak writer avoids),
// and UnrealPak's peak memory at two input sizes.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "BenchSupport.h"
#include "TestFiles.h"

namespace fs = std::filesystem;
using namespace LevelwrightBench;

namespace
{
const uint64_t TotalBytes = 1ull << 30;
const int FileCount = 3000;

struct FWorld
{
	LevelwrightTest::FTempDir Temp;
	std::vector<std::string> Files;
	fs::path FullList = Temp.Path() / "paklist.txt";
	// The first eighth of the files, to show that memory does not grow with the input.
	fs::path EighthList = Temp.Path() / "paklist-eighth.txt";
	fs::path Pak = Temp.Path() / "out" / "pakchunk_workshop_stage.pak";
	fs::path Concatenated = Temp.Path() / "out" / "cat.bin";
	uint64_t EighthBytes = 0;

	FWorld()
	{
		fs::create_directories(Pak.parent_path());
		// Sizes from 1 KiB to 4 MiB, spread evenly on a log scale, then scaled to 1 GiB in total.
		std::vector<double> Weights;
		double WeightSum = 0;
		uint64_t Random = 88172645463325252ull;
		for (int Index = 0; Index < FileCount; ++Index)
		{
			Random ^= Random << 13;
			Random ^= Random >> 7;
			Random ^= Random << 17;
			Weights.push_back(std::pow(2.0, 10 + 12 * static_cast<double>(Random % 10000) / 10000));
			WeightSum += Weights.back();
		}
		uint64_t Written = 0;
		std::ofstream Full(FullList, std::ios::binary);
		std::ofstream Eighth(EighthList, std::ios::binary);
		for (int Index = 0; Index < FileCount; ++Index)
		{
			const uint64_t Size = Index + 1 == FileCount ? TotalBytes - Written
														  : static_cast<uint64_t>(Weights[Index] / WeightSum * TotalBytes);
			const std::string Relative = "Props/Set" + std::to_string(Index / 100) + "/Asset_" + std::to_string(Index) + ".uasset";
			const fs::path File = Temp.Path() / "Cooked" / Relative;
			WriteNoiseFile(File, Size, Index);
			Written += Size;
			Files.push_back(File.string());
			const std::string Line = "\"" + File.string() + "\" \"../../../Drovik/Content/CustomMaps/UGC1/" + Relative + "\"\r\n";
			Full << Line;
			if (Index < FileCount / 8)
			{
				Eighth << Line;
				EighthBytes += Size;
			}
		}
	}

	std::vector<std::string> UnrealPak(const fs::path& List) const
	{
		return {std::string(LEVELWRIGHT_BINARIES_DIR) + "/UnrealPak.exe", Pak.string(), "-create=" + List.string(),
				"-platform=Windows", "-UTF8Output", "-multiprocess", "-patchpaddingalign=2048"};
	}
};

FWorld* GWorld = nullptr;
long GPeakKiB[2] = {};

void BM_UnrealPakCreate(benchmark::State& State)
{
	const bool bFull = State.range(0) == 1;
	for (auto _ : State)
	{
		const FProcessRun Run = RunProcess(GWorld->UnrealPak(bFull ? GWorld->FullList : GWorld->EighthList));
		SetIterationTimes(State, Run.Seconds, Run.CpuSeconds);
		GPeakKiB[bFull] = std::max(GPeakKiB[bFull], Run.PeakKiB);
		fs::remove(GWorld->Pak);
	}
}

void BM_CatFiles(benchmark::State& State)
{
	std::vector<std::string> Command = {"cat"};
	Command.insert(Command.end(), GWorld->Files.begin(), GWorld->Files.end());
	for (auto _ : State)
	{
		const FProcessRun Run = RunProcess(Command, GWorld->Concatenated.string());
		SetIterationTimes(State, Run.Seconds, Run.CpuSeconds);
		fs::remove(GWorld->Concatenated);
	}
}

void BM_Sha1sumFiles(benchmark::State& State)
{
	std::vector<std::string> Command = {"sha1sum"};
	Command.insert(Command.end(), GWorld->Files.begin(), GWorld->Files.end());
	for (auto _ : State)
	{
		const FProcessRun Run = RunProcess(Command);
		SetIterationTimes(State, Run.Seconds, Run.CpuSeconds);
	}
}

BENCHMARK(BM_UnrealPakCreate)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_CatFiles)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_Sha1sumFiles)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_UnrealPakCreate)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

std::string Mebibytes(long KiB)
{
	return std::to_string((KiB + 512) / 1024) + " MiB";
}

std::vector<FRow> MakeRows(const FCollectingReporter& Results)
{
	// The limit is two processes run one after the other: their times add up.
	const FStats& Cat = Results.Get("BM_CatFiles");
	const FStats& Sha1 = Results.Get("BM_Sha1sumFiles");
	FStats Limit;
	Limit.Min = Cat.Min + Sha1.Min;
	Limit.CpuMin = Cat.CpuMin + Sha1.CpuMin;
	FRow Speed = MakeRatioRow("Pak writing, 1 GiB in 3,000 files (vs cat + sha1sum)", Results.Get("BM_UnrealPakCreate/1"), Limit, 1.0,
							  "5 runs each");
	Speed.Note += "; cat " + FormatSeconds(Cat.CpuMin) + ", sha1sum " + FormatSeconds(Sha1.CpuMin) + " CPU";
	FRow Memory;
	Memory.Name = "Pak writing, peak memory of UnrealPak.exe";
	Memory.Plugin = Mebibytes(GPeakKiB[1]) + " (1 GiB input)";
	Memory.Baseline = Mebibytes(GPeakKiB[0]) + " (" + Mebibytes(static_cast<long>(GWorld->EighthBytes / 1024)) + " input)";
	Memory.Result = Mebibytes(std::max(GPeakKiB[0], GPeakKiB[1]));
	Memory.Goal = "under 64 MiB";
	Memory.bMet = std::max(GPeakKiB[0], GPeakKiB[1]) < 64 * 1024;
	Memory.Note = "peak resident set (getrusage of the child)";
	return {Speed, Memory};
}
} // namespace

int main(int Argc, char** Argv)
{
	FWorld World;
	GWorld = &World;
	return RunAndReport(Argc, Argv, MakeRows);
}
