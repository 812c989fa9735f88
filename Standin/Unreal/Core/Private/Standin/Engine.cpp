#include "Standin/Engine.h"

#include <chrono>
#include <thread>
#include <unistd.h>

#include "Containers/UnrealString.h"
#include "CoreGlobals.h"
#include "HAL/PlatformProcess.h"
#include "Standin/Log.h"
#include "Standin/Machine.h"

bool GIsEditor = true;

namespace Standin::Engine
{
namespace
{
struct FEngineState
{
	FSettings Settings;
	std::u16string BaseDir;
	// Set by Initialize; until then the game thread is the process's main thread, as in the engine.
	std::thread::id GameThread;
};

FEngineState& GetState()
{
	static FEngineState* State = new FEngineState();
	return *State;
}

std::filesystem::path ExecutableFolder()
{
	std::error_code Error;
	const std::filesystem::path Self = std::filesystem::read_symlink("/proc/self/exe", Error);
	return Error ? std::filesystem::current_path() : Self.parent_path();
}

std::u16string FolderWithSlash(const std::filesystem::path& Folder)
{
	std::string Text = Folder.lexically_normal().generic_string();
	if (Text.empty() || Text.back() != '/')
	{
		Text += '/';
	}
	return Machine::ToUtf16(Text);
}
} // namespace

void Initialize(const FSettings& Settings)
{
	FEngineState& State = GetState();
	State.Settings = Settings;
	State.Settings.BinariesDir = std::filesystem::absolute(Settings.BinariesDir).lexically_normal();
	if (!Settings.ProjectFile.empty())
	{
		State.Settings.ProjectFile = std::filesystem::absolute(Settings.ProjectFile).lexically_normal();
	}
	State.BaseDir = FolderWithSlash(State.Settings.BinariesDir);
	State.GameThread = std::this_thread::get_id();
	if (!State.Settings.ProjectFile.empty())
	{
		const std::filesystem::path Project = State.Settings.ProjectFile;
		const std::string LogName = Settings.LogFileName.empty() ? Project.stem().string() + ".log" : Settings.LogFileName;
		Log::OpenLogFile(Project.parent_path() / "Saved" / "Logs" / LogName);
	}
}

const FSettings& GetSettings()
{
	FEngineState& State = GetState();
	if (State.Settings.BinariesDir.empty())
	{
		State.Settings.BinariesDir = ExecutableFolder();
		State.BaseDir = FolderWithSlash(State.Settings.BinariesDir);
	}
	return State.Settings;
}

const std::u16string& GetBaseDir()
{
	GetSettings();
	return GetState().BaseDir;
}

bool IsGameThread()
{
	const std::thread::id GameThread = GetState().GameThread;
	return GameThread == std::thread::id() ? ::gettid() == ::getpid() : std::this_thread::get_id() == GameThread;
}
} // namespace Standin::Engine

bool IsRunningCommandlet()
{
	return Standin::Engine::GetSettings().bCommandlet;
}

bool IsInGameThread()
{
	return Standin::Engine::IsGameThread();
}

const TCHAR* FPlatformProcess::BaseDir()
{
	return Standin::Engine::GetBaseDir().c_str();
}

void FPlatformProcess::Sleep(float Seconds)
{
	std::this_thread::sleep_for(std::chrono::duration<double>(Seconds));
}
