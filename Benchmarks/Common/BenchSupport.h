// What every benchmark program shares: timing whole processes, collecting Google Benchmark's results,
// and turning two measurements of one run into a row of the benchmark table.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace LevelwrightBench
{
struct FProcessRun
{
	double Seconds = 0;	   // wall time from start to exit
	double CpuSeconds = 0; // the child's user and system time
	long PeakKiB = 0;	   // the child's peak resident set
	int ExitCode = -1;
};

// Runs Argv[0] (found on PATH) with standard output into StdOutPath, standard error kept; throws when the
// program cannot start or exits non-zero.
FProcessRun RunProcess(const std::vector<std::string>& Argv, const std::string& StdOutPath = "/dev/null");

// Seconds on a monotonic clock, for manual timing.
double Now();
// CPU seconds (user and system) used by this process so far, all threads.
double CpuNow();

// Records one iteration's wall time (the benchmark's manual time) and its CPU time (the counter "cpu").
// Other programs share this machine: CPU time is what they disturb least.
void SetIterationTimes(benchmark::State& State, double WallSeconds, double CpuSeconds);

// The statistics of each benchmark's repetitions, in seconds, by the benchmark's name.
struct FStats
{
	double Min = 0;
	double Median = 0;
	double Max = 0;
	// The first repetition's wall time: what a process pays before its memory is warm.
	double First = 0;
	int Count = 0;
	// Of the CPU time: the counter "cpu" when the benchmark set one, else the benchmark thread's CPU time.
	double CpuMin = 0;
	double CpuMedian = 0;
};

class FCollectingReporter : public benchmark::ConsoleReporter
{
public:
	void ReportRuns(const std::vector<Run>& Runs) override;
	// Throws when no benchmark of that name ran.
	const FStats& Get(const std::string& Name) const;

private:
	std::map<std::string, std::vector<double>> Samples;
	std::map<std::string, std::vector<double>> CpuSamples;
	mutable std::map<std::string, FStats> Computed;
};

// One line of the table: what was measured, the plugin's figure, the limit's figure, their comparison,
// the goal and whether it is met.
struct FRow
{
	std::string Name;
	std::string Plugin;
	std::string Baseline;
	std::string Result;
	std::string Goal;
	bool bMet = false;
	std::string Note;
};

std::string FormatSeconds(double Seconds);
std::string FormatRatio(double Ratio);

// A row comparing the plugin's minimum CPU time with the limit's, met when the ratio is at most MaxRatio;
// the note gives the wall-clock figures too. Runs describes the repetitions ("9 runs each").
FRow MakeRatioRow(const std::string& Name, const FStats& Plugin, const FStats& Limit, double MaxRatio, const std::string& Runs);

// Runs the registered benchmarks (each reporting its repetitions), then appends MakeRows' rows to the
// file given as --rows=<file> (tab-separated), or prints them. Returns the process exit code.
int RunAndReport(int Argc, char** Argv, const std::function<std::vector<FRow>(const FCollectingReporter&)>& MakeRows);

// Writes Size bytes of deterministic, poorly compressible data.
void WriteNoiseFile(const std::filesystem::path& Path, size_t Size, unsigned Seed);
} // namespace LevelwrightBench
