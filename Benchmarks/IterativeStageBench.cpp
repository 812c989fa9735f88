// Re-staging a map of 1,000 packages after one of them changed: the stage job with "Cook only what
// changed" against the same job cooking in full, in one run on the same project. Two figures: how many
// packages the cook had to cook (its own count, from the cook's log), and how long the whole stage took,
// from the Stage click to the staged pak.
#include <chrono>
#include <filesystem>
#include <cstdio>
#include <thread>

#include "BenchSupport.h"
#include "Levelwright/LevelwrightModule.h"
#include "Modules/ModuleManager.h"
#include "Standin/Log.h"
#include "TestEnvironment.h"

namespace fs = std::filesystem;
using namespace LevelwrightBench;

namespace
{
// 90 groups of 10 props, the map, its definition and 8 decals nothing references (cooked because the
// whole CustomMaps folder always is): 1,000 packages.
constexpr int GroupCount = 90;
constexpr int PropsPerGroup = 10;
constexpr int DecalCount = 8;
const std::string MapFolder = "/Game/CustomMaps/UGC2000000001";

struct FWorld : LevelwrightTest::FTestWorld
{
	int Edits = 0;

	// The map references every prop through the group packages, as a level references its actors'
	// assets; the definition links the map.
	FWorld()
	{
		std::string Groups;
		for (int Group = 0; Group < GroupCount; ++Group)
		{
			std::string Props;
			for (int Prop = 0; Prop < PropsPerGroup; ++Prop)
			{
				Props += (Prop ? ", \"" : "\"") + PropName(Group * PropsPerGroup + Prop) + "\"";
				WriteProp(Group * PropsPerGroup + Prop, 0);
			}
			Project.WritePackage(MapFolder + "/Groups/G" + std::to_string(Group), R"({"Class": "DataAsset", "References": [)" + Props + "]}");
			Groups += (Group ? ", \"" : "\"") + MapFolder + "/Groups/G" + std::to_string(Group) + "\"";
		}
		for (int Decal = 0; Decal < DecalCount; ++Decal)
		{
			Project.WritePackage(MapFolder + "/Decals/D" + std::to_string(Decal), R"({"Class": "DataAsset"})");
		}
		Project.WritePackage(MapFolder + "/Arena", R"({"Class": "World", "References": [)" + Groups + "]}", true);
		Project.WriteDefinition("UGC2000000001", R"({"Id": "UGC2000000001", "MapLabel": "Arena", "Version": 1, "Map": ")" + MapFolder +
													 R"(/Arena.Arena", "QuestMap": "", "bCreatedByPlugin": true})");
		Start();
		FModuleManager::Get().LoadModuleChecked(TEXT("Levelwright"));
	}

	~FWorld() { FModuleManager::Get().UnloadModule(TEXT("Levelwright")); }

	static std::string PropName(int Index) { return MapFolder + "/Props/P" + std::to_string(Index); }

	void WriteProp(int Index, int Triangles) const
	{
		Project.WritePackage(PropName(Index), R"({"Class": "StaticMesh", "Properties": {"Triangles": )" + std::to_string(Triangles) +
												  R"(, "Note": "a prop of the arena, with some text to cook"}})");
	}

	// Changes one prop, as moving it in the editor and saving would.
	void EditOneProp()
	{
		++Edits;
		WriteProp(Edits % (GroupCount * PropsPerGroup), Edits);
	}

	std::string CookLog() const { return LevelwrightTest::ReadFile(Project.Dir() / "Saved" / "Logs" / "Drovik-cook.log"); }
};

FWorld* GWorld = nullptr;

// Packages the last cook cooked for WindowsNoEditor, and all it knew of.
struct FCookCount
{
	int Cooked = 0;
	int Total = 0;
};
std::vector<FCookCount> GFullCounts;
std::vector<FCookCount> GIterativeCounts;

FCookCount ReadCookCount(const std::string& Log)
{
	FCookCount Count;
	const std::string Iterative = "Iterative cook of WindowsNoEditor: kept ";
	const std::string Full = "Full cook of WindowsNoEditor: cooked ";
	int Kept = 0;
	if (const size_t At = Log.find(Iterative); At != std::string::npos &&
		std::sscanf(Log.c_str() + At + Iterative.size(), "%d packages, cooked %d", &Kept, &Count.Cooked) == 2)
	{
		Count.Total = Kept + Count.Cooked;
		return Count;
	}
	if (const size_t At = Log.find(Full); At != std::string::npos && std::sscanf(Log.c_str() + At + Full.size(), "%d", &Count.Cooked) == 1)
	{
		Count.Total = Count.Cooked;
		return Count;
	}
	throw std::runtime_error("the cook's log has no count for WindowsNoEditor");
}

void Restage(benchmark::State& State, bool bOnlyWhatChanged, std::vector<FCookCount>& Counts)
{
	FLevelwrightModule& Module = FLevelwrightModule::Get();
	Module.bCookOnlyWhatChanged = bOnlyWhatChanged;
	// The first stage cooks everything either way: it is the earlier cook the measured ones start from.
	Module.RequestStage();
	while (Module.bBusy.load())
	{
		std::this_thread::sleep_for(std::chrono::milliseconds(1));
	}
	for (auto _ : State)
	{
		GWorld->EditOneProp();
		Standin::Log::ClearLines();
		const double Start = Now();
		const double CpuStart = CpuNow();
		Module.RequestStage();
		while (Module.bBusy.load())
		{
			std::this_thread::sleep_for(std::chrono::microseconds(200));
		}
		SetIterationTimes(State, Now() - Start, CpuNow() - CpuStart);
		Counts.push_back(ReadCookCount(GWorld->CookLog()));
	}
}

void BM_FullRestage(benchmark::State& State)
{
	Restage(State, false, GFullCounts);
}

void BM_IterativeRestage(benchmark::State& State)
{
	Restage(State, true, GIterativeCounts);
}

BENCHMARK(BM_FullRestage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(BM_IterativeRestage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

std::vector<FRow> MakeRows(const FCollectingReporter& Results)
{
	if (GFullCounts.empty() || GIterativeCounts.empty())
	{
		throw std::runtime_error("no re-stage finished");
	}
	const FCookCount Full = GFullCounts.back();
	int MostCooked = 0;
	for (const FCookCount& Count : GIterativeCounts)
	{
		MostCooked = std::max(MostCooked, Count.Cooked);
	}
	const double WorkShare = static_cast<double>(MostCooked) / Full.Cooked;
	char Share[32];
	std::snprintf(Share, sizeof(Share), "%.2f%%", 100 * WorkShare);

	FRow Work;
	Work.Name = "Re-stage after changing 1 of " + std::to_string(Full.Total) + " packages: packages the cook cooks, iterative vs full";
	Work.Plugin = std::to_string(MostCooked) + " cooked";
	Work.Baseline = std::to_string(Full.Cooked) + " cooked";
	Work.Result = Share;
	Work.Goal = "at most 2%";
	Work.bMet = WorkShare <= 0.02;
	Work.Note = "the cook's own counts for WindowsNoEditor (most of 5 iterative stages); the changed prop, its group and the map are cooked "
				"again, the definition that links the map too";

	const FStats& Iterative = Results.Get("BM_IterativeRestage");
	const FStats& FullStage = Results.Get("BM_FullRestage");
	FRow Time;
	Time.Name = "Re-stage after changing 1 of " + std::to_string(Full.Total) + " packages: whole stage, iterative vs full";
	Time.Plugin = FormatSeconds(Iterative.Median);
	Time.Baseline = FormatSeconds(FullStage.Median);
	Time.Result = FormatRatio(Iterative.Median / FullStage.Median);
	Time.Goal = "at most 0.25x";
	Time.bMet = Iterative.Median <= 0.25 * FullStage.Median;
	Time.Note = "medians of 5 stages each, from the Stage click to the end of the job, its cook and its pack";
	return {Work, Time};
}
} // namespace

int main(int Argc, char** Argv)
{
	FWorld World;
	GWorld = &World;
	return RunAndReport(Argc, Argv, MakeRows);
}
