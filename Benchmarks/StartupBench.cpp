// StartupModule on the registry road (Steam not running) with 1,000 folders under CustomMaps and a
// 1 MiB libraryfolders.vdf, next to reading the same files and `grep -oP` with the library pattern.
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BenchSupport.h"
#include "Modules/ModuleManager.h"
#include "Standin/Dialogs.h"
#include "Standin/Log.h"
#include "TestEnvironment.h"

namespace fs = std::filesystem;
using namespace LevelwrightBench;

namespace
{
// The plugin's library pattern (GameInstallLocator.cpp), as grep -P reads it.
const char* LibraryPattern = R"([a-zA-Z]:\\\\(?![<>:"/\\|?*])((?![<>:"/\\|?*]).)+)";
const int MapFolderCount = 1000;
const size_t LibraryFileSize = 1 << 20;

struct FWorld : LevelwrightTest::FTestWorld
{
	FWorld()
	{
		Start();
		Machine.SetClient("running", "false");
		for (int Index = 0; Index < MapFolderCount; ++Index)
		{
			fs::create_directories(CustomMapsDir() / ("Map" + std::to_string(Index)));
		}
		LevelwrightTest::WriteFile(LibraryFile(), MakeLibraryFile());
	}

	fs::path CustomMapsDir() const { return Project.Dir() / "Content" / "CustomMaps"; }
	fs::path LibraryFile() const { return Machine.Drive("C:/Program Files (x86)/Steam/steamapps/libraryfolders.vdf"); }

	// Steam's file for a user with four libraries and many installed apps (the game is in the second),
	// about LibraryFileSize bytes.
	static std::string MakeLibraryFile()
	{
		const char* Paths[] = {R"(C:\\Program Files (x86)\\Steam)", R"(D:\\SteamLibrary)", R"(E:\\Games\\Steam)", R"(F:\\SteamLibrary)"};
		std::ostringstream Text;
		Text << "\"libraryfolders\"\n{\n";
		unsigned long long App = 10;
		for (int Library = 0; Library < 4; ++Library)
		{
			Text << "\t\"" << Library << "\"\n\t{\n\t\t\"path\"\t\t\"" << Paths[Library] << "\"\n\t\t\"label\"\t\t\"\"\n"
				 << "\t\t\"contentid\"\t\t\"" << 619921024051254268ull + Library << "\"\n\t\t\"totalsize\"\t\t\"500105736192\"\n"
				 << "\t\t\"apps\"\n\t\t{\n";
			if (Library == 1)
			{
				Text << "\t\t\t\"731904\"\t\t\"201098817\"\n";
			}
			const size_t LibraryEnd = (Library + 1) * (LibraryFileSize - 16) / 4;
			for (; static_cast<size_t>(Text.tellp()) < LibraryEnd; App += 10)
			{
				Text << "\t\t\t\"" << App << "\"\t\t\"" << (App * 7919) % 100000000000ull << "\"\n";
			}
			Text << "\t\t}\n\t}\n";
		}
		Text << "}\n";
		return Text.str();
	}
};

FWorld* GWorld = nullptr;

void BM_PluginStartup(benchmark::State& State)
{
	for (auto _ : State)
	{
		Standin::Log::ClearLines();
		Standin::Dialogs::ClearShown();
		Standin::Dialogs::QueueAnswer(EAppReturnType::Yes);
		const double Start = Now();
		const double CpuStart = CpuNow();
		FModuleManager::Get().LoadModuleChecked(TEXT("Levelwright"));
		SetIterationTimes(State, Now() - Start, CpuNow() - CpuStart);
		FModuleManager::Get().UnloadModule(TEXT("Levelwright"));
	}
}

std::string ReadBytes(const fs::path& Path)
{
	std::ifstream In(Path, std::ios::binary);
	return std::string(std::istreambuf_iterator<char>(In), {});
}

// The least start-up can do: list CustomMaps, read the Steam client's state and the registry, and find
// the libraries in libraryfolders.vdf.
void BM_ReadAndGrep(benchmark::State& State)
{
	for (auto _ : State)
	{
		const double Start = Now();
		const double CpuStart = CpuNow();
		size_t Entries = 0;
		if (DIR* Folder = ::opendir(GWorld->CustomMapsDir().c_str()))
		{
			while (::readdir(Folder))
			{
				++Entries;
			}
			::closedir(Folder);
		}
		benchmark::DoNotOptimize(Entries);
		benchmark::DoNotOptimize(ReadBytes(GWorld->Machine.Path() / "steam" / "client.json"));
		benchmark::DoNotOptimize(ReadBytes(GWorld->Machine.Path() / "registry.reg"));
		const FProcessRun Grep = RunProcess({"grep", "-oP", LibraryPattern, GWorld->LibraryFile().string()});
		SetIterationTimes(State, Now() - Start, CpuNow() - CpuStart + Grep.CpuSeconds);
	}
}

BENCHMARK(BM_PluginStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);
BENCHMARK(BM_ReadAndGrep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

std::vector<FRow> MakeRows(const FCollectingReporter& Results)
{
	return {MakeRatioRow("Start-up, 1,000 map folders, 1 MiB libraryfolders.vdf (vs reading them + grep -oP)",
						 Results.Get("BM_PluginStartup"), Results.Get("BM_ReadAndGrep"), 1.5, "15 runs each")};
}
} // namespace

int main(int Argc, char** Argv)
{
	FWorld World;
	GWorld = &World;
	return RunAndReport(Argc, Argv, MakeRows);
}
