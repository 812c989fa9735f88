// A tool that prints 10 MB (164,000 lines) run the way the plugin runs the cook and UnrealPak now, every
// line logged as it arrives (RunChildProcess), against the plugin's earlier way: ExecProcess, which hands
// the whole output over once the tool has ended. For the same log, the earlier way then logs the lines
// itself; the row also gives ExecProcess alone.
#include "BenchSupport.h"
#include "HAL/PlatformProcess.h"
#include "Levelwright/ChildProcess.h"
#include "Standin/Log.h"
#include "TestEnvironment.h"

using namespace LevelwrightBench;

DEFINE_LOG_CATEGORY_STATIC(LogBench, Log, All);

namespace
{
const FString Child = FString(PROCESS_TEST_CHILD);

struct FWorld
{
	LevelwrightTest::FTempDir Temp;
	LevelwrightTest::FTestProject Project{Temp.Path() / "Project"};
	LevelwrightTest::FTestEngine Engine{Temp.Path()};

	FWorld() { Engine.Start(Project); }
};

void BM_LiveOutput(benchmark::State& State)
{
	for (auto _ : State)
	{
		const double Start = Now();
		const double CpuStart = CpuNow();
		const FChildProcessResult Result = RunChildProcess(Child, TEXT("flood-out"), nullptr);
		SetIterationTimes(State, Now() - Start, CpuNow() - CpuStart);
		if (Result.ReturnCode != 0 || Result.Output.Len() < 10 * 1000 * 1000)
		{
			State.SkipWithError("the child's output did not arrive whole");
		}
	}
}

void RunWholeOutput(benchmark::State& State, bool bLogLines)
{
	for (auto _ : State)
	{
		const double Start = Now();
		const double CpuStart = CpuNow();
		int32 ReturnCode = -1;
		FString StdOut;
		FString StdErr;
		FPlatformProcess::ExecProcess(*FString::Printf(TEXT("\"%s\""), *Child), TEXT("flood-out"), &ReturnCode, &StdOut, &StdErr);
		if (bLogLines)
		{
			TArray<FString> Lines;
			StdOut.ParseIntoArray(Lines, TEXT("\n"), false);
			for (const FString& Line : Lines)
			{
				UE_LOG(LogBench, Log, TEXT("%s"), *Line);
			}
		}
		SetIterationTimes(State, Now() - Start, CpuNow() - CpuStart);
		if (ReturnCode != 0 || StdOut.Len() < 10 * 1000 * 1000)
		{
			State.SkipWithError("the child's output did not arrive whole");
		}
	}
}

void BM_WholeOutput(benchmark::State& State)
{
	RunWholeOutput(State, false);
}

void BM_WholeOutputLoggedAfter(benchmark::State& State)
{
	RunWholeOutput(State, true);
}

BENCHMARK(BM_LiveOutput)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7);
BENCHMARK(BM_WholeOutput)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7);
BENCHMARK(BM_WholeOutputLoggedAfter)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7);

std::vector<FRow> MakeRows(const FCollectingReporter& Results)
{
	const FStats& Live = Results.Get("BM_LiveOutput");
	const FStats& Whole = Results.Get("BM_WholeOutputLoggedAfter");
	const FStats& Bare = Results.Get("BM_WholeOutput");
	FRow Row;
	Row.Name = "Live output: a tool printing 10 MB, each line logged as printed (vs ExecProcess's whole output, its lines logged at the end)";
	Row.Plugin = FormatSeconds(Live.Min);
	Row.Baseline = FormatSeconds(Whole.Min);
	Row.Result = FormatRatio(Live.Min / Whole.Min);
	Row.Goal = "at most 1.2x";
	Row.bMet = Live.Min <= 1.2 * Whole.Min;
	Row.Note = "wall time from the start to the last line logged, fastest of 7 each; ExecProcess alone, logging nothing: " + FormatSeconds(Bare.Min) +
			   " (" + FormatRatio(Live.Min / Bare.Min) + "); the editor process's CPU: " + FormatSeconds(Live.CpuMin) + " live, " + FormatSeconds(Whole.CpuMin) +
			   " logged at the end";
	return {Row};
}
} // namespace

int main(int Argc, char** Argv)
{
	FWorld World;
	return RunAndReport(Argc, Argv, MakeRows);
}
