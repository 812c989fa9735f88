#include "BenchSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace LevelwrightBench
{
FProcessRun RunProcess(const std::vector<std::string>& Argv, const std::string& StdOutPath)
{
	std::vector<char*> Arguments;
	for (const std::string& Argument : Argv)
	{
		Arguments.push_back(const_cast<char*>(Argument.c_str()));
	}
	Arguments.push_back(nullptr);

	posix_spawn_file_actions_t Actions;
	::posix_spawn_file_actions_init(&Actions);
	::posix_spawn_file_actions_addopen(&Actions, 1, StdOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

	FProcessRun Result;
	const double Start = Now();
	pid_t Child = -1;
	const int Error = ::posix_spawnp(&Child, Arguments[0], &Actions, nullptr, Arguments.data(), environ);
	::posix_spawn_file_actions_destroy(&Actions);
	if (Error != 0)
	{
		throw std::runtime_error("cannot start " + Argv[0]);
	}
	int Status = 0;
	struct rusage Usage{};
	while (::wait4(Child, &Status, 0, &Usage) < 0)
	{
		if (errno != EINTR)
		{
			throw std::runtime_error("cannot wait for " + Argv[0]);
		}
	}
	Result.Seconds = Now() - Start;
	Result.CpuSeconds = static_cast<double>(Usage.ru_utime.tv_sec + Usage.ru_stime.tv_sec) +
						static_cast<double>(Usage.ru_utime.tv_usec + Usage.ru_stime.tv_usec) * 1e-6;
	Result.PeakKiB = Usage.ru_maxrss;
	Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
	if (Result.ExitCode != 0)
	{
		throw std::runtime_error(Argv[0] + " exited with " + std::to_string(Result.ExitCode));
	}
	return Result;
}

double Now()
{
	return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double CpuNow()
{
	timespec Time{};
	::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Time);
	return static_cast<double>(Time.tv_sec) + static_cast<double>(Time.tv_nsec) * 1e-9;
}

void SetIterationTimes(benchmark::State& State, double WallSeconds, double CpuSeconds)
{
	State.SetIterationTime(WallSeconds);
	State.counters["cpu"] = benchmark::Counter(CpuSeconds, benchmark::Counter::kAvgIterations);
}

namespace
{
FStats Summarize(std::vector<double> Values)
{
	std::sort(Values.begin(), Values.end());
	FStats Stats;
	Stats.Count = static_cast<int>(Values.size());
	Stats.Min = Values.front();
	Stats.Max = Values.back();
	const size_t Middle = Values.size() / 2;
	Stats.Median = Values.size() % 2 ? Values[Middle] : (Values[Middle - 1] + Values[Middle]) / 2;
	return Stats;
}
} // namespace

void FCollectingReporter::ReportRuns(const std::vector<Run>& Runs)
{
	for (const Run& Each : Runs)
	{
		if (Each.run_type != Run::RT_Iteration || Each.error_occurred)
		{
			continue;
		}
		const std::string Name = Each.run_name.function_name + (Each.run_name.args.empty() ? "" : "/" + Each.run_name.args);
		Samples[Name].push_back(Each.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(Each.time_unit));
		const auto Cpu = Each.counters.find("cpu");
		CpuSamples[Name].push_back(Cpu != Each.counters.end() ? Cpu->second.value
															   : Each.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(Each.time_unit));
	}
	ConsoleReporter::ReportRuns(Runs);
}

const FStats& FCollectingReporter::Get(const std::string& Name) const
{
	if (const auto Found = Computed.find(Name); Found != Computed.end())
	{
		return Found->second;
	}
	const auto Found = Samples.find(Name);
	if (Found == Samples.end() || Found->second.empty())
	{
		throw std::runtime_error("no results for " + Name);
	}
	FStats Stats = Summarize(Found->second);
	Stats.First = Found->second.front();
	const FStats Cpu = Summarize(CpuSamples.at(Name));
	Stats.CpuMin = Cpu.Min;
	Stats.CpuMedian = Cpu.Median;
	return Computed[Name] = Stats;
}

std::string FormatSeconds(double Seconds)
{
	char Text[64];
	if (Seconds >= 1)
	{
		std::snprintf(Text, sizeof(Text), "%.2f s", Seconds);
	}
	else if (Seconds >= 1e-3)
	{
		std::snprintf(Text, sizeof(Text), "%.2f ms", Seconds * 1e3);
	}
	else if (Seconds >= 1e-6)
	{
		std::snprintf(Text, sizeof(Text), "%.2f µs", Seconds * 1e6);
	}
	else
	{
		std::snprintf(Text, sizeof(Text), "%.0f ns", Seconds * 1e9);
	}
	return Text;
}

std::string FormatRatio(double Ratio)
{
	char Text[32];
	std::snprintf(Text, sizeof(Text), "%.2fx", Ratio);
	return Text;
}

FRow MakeRatioRow(const std::string& Name, const FStats& Plugin, const FStats& Limit, double MaxRatio, const std::string& Runs)
{
	FRow Row;
	Row.Name = Name;
	Row.Plugin = FormatSeconds(Plugin.CpuMin);
	Row.Baseline = FormatSeconds(Limit.CpuMin);
	Row.Result = FormatRatio(Plugin.CpuMin / Limit.CpuMin);
	char Goal[32];
	std::snprintf(Goal, sizeof(Goal), "at most %.1fx", MaxRatio);
	Row.Goal = Goal;
	Row.bMet = Plugin.CpuMin / Limit.CpuMin <= MaxRatio;
	Row.Note = "CPU time, minimum of " + Runs + "; wall clock " + FormatSeconds(Plugin.Min) + " vs " + FormatSeconds(Limit.Min) +
			   " (" + FormatRatio(Plugin.Min / Limit.Min) + ")";
	return Row;
}

int RunAndReport(int Argc, char** Argv, const std::function<std::vector<FRow>(const FCollectingReporter&)>& MakeRows)
{
	benchmark::Initialize(&Argc, Argv);
	std::string RowsFile;
	for (int Index = 1; Index < Argc; ++Index)
	{
		const std::string Argument = Argv[Index];
		if (Argument.rfind("--rows=", 0) == 0)
		{
			RowsFile = Argument.substr(7);
		}
		else
		{
			std::cerr << "unknown argument " << Argument << "\n";
			return 2;
		}
	}
	// The plugin logs to standard output: the results go to standard error, so both can be told apart.
	FCollectingReporter Reporter;
	Reporter.SetOutputStream(&std::cerr);
	Reporter.SetErrorStream(&std::cerr);
	benchmark::RunSpecifiedBenchmarks(&Reporter);

	std::vector<FRow> Rows;
	try
	{
		Rows = MakeRows(Reporter);
	}
	catch (const std::exception& Error)
	{
		std::cerr << "benchmark failed: " << Error.what() << "\n";
		return 1;
	}
	std::ostringstream Text;
	for (const FRow& Row : Rows)
	{
		Text << Row.Name << '\t' << Row.Plugin << '\t' << Row.Baseline << '\t' << Row.Result << '\t' << Row.Goal << '\t'
			 << (Row.bMet ? "yes" : "no") << '\t' << Row.Note << '\n';
	}
	if (RowsFile.empty())
	{
		std::cerr << Text.str();
	}
	else
	{
		std::ofstream(RowsFile, std::ios::app) << Text.str();
	}
	return 0;
}

void WriteNoiseFile(const std::filesystem::path& Path, size_t Size, unsigned Seed)
{
	std::vector<uint64_t> Block((Size + 7) / 8);
	uint64_t State = 0x9E3779B97F4A7C15ull * (Seed + 1);
	for (uint64_t& Word : Block)
	{
		// xorshift64*: fast and far from compressible.
		State ^= State >> 12;
		State ^= State << 25;
		State ^= State >> 27;
		Word = State * 0x2545F4914F6CDD1Dull;
	}
	std::filesystem::create_directories(Path.parent_path());
	std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
	Out.write(reinterpret_cast<const char*>(Block.data()), static_cast<std::streamsize>(Size));
	if (!Out)
	{
		throw std::runtime_error("cannot write " + Path.string());
	}
}
} // namespace LevelwrightBench
