// A module for the editor's tests, preloaded into UE4Editor.exe (LD_PRELOAD) so that a project whose
// Levelwright.uplugin lists "EditorTestModule" loads it like the plugin. It reports what the editor
// does around a module: where it starts it, the answers queued for its question, the message box it
// shows, the frames it ticks, background work that keeps the editor busy, and its shut-down.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "Async/Async.h"
#include "CoreGlobals.h"
#include "CoreMinimal.h"
#include "HAL/PlatformMisc.h"
#include "Misc/MessageDialog.h"
#include "Modules/ModuleManager.h"
#include "Standin/Log.h"
#include "TickableEditorObject.h"

namespace
{
std::string Env(const char* Name)
{
	const char* Value = std::getenv(Name);
	return Value ? Value : "";
}

class FFrameCounter : public FTickableEditorObject
{
public:
	void Tick(float) override { ++Frames; }
	TStatId GetStatId() const override { return TStatId(); }
	int Frames = 0;
};

class FEditorTestModule : public IModuleInterface
{
public:
	void StartupModule() override
	{
		Standin::Log::WriteRawLine("EditorTestModule: StartupModule cwd=" + std::filesystem::current_path().string() +
								   " machine=" + Env("LEVELWRIGHT_MACHINE") + " commandlet=" + (IsRunningCommandlet() ? "1" : "0"));
		for (int Question = 0; Question < std::atoi(Env("EDITOR_TEST_QUESTIONS").c_str()); ++Question)
		{
			FMessageDialog::Open(EAppMsgType::YesNo, FText::FromString(FString::Printf(TEXT("Test question %d"), Question + 1)));
		}
		if (const std::string BoxText = Env("EDITOR_TEST_BOX"); !BoxText.empty())
		{
			FPlatformMisc::MessageBoxExt(EAppMsgType::Ok, *FString(BoxText.c_str()), TEXT("Drovik Workshop"));
		}
		if (const int BusyMs = std::atoi(Env("EDITOR_TEST_BUSY_MS").c_str()); BusyMs > 0)
		{
			AsyncTask(ENamedThreads::AnyBackgroundThreadNormalTask, [BusyMs]() {
				std::this_thread::sleep_for(std::chrono::milliseconds(BusyMs));
				AsyncTask(ENamedThreads::GameThread, []() { Standin::Log::WriteRawLine("EditorTestModule: busy work done"); });
			});
		}
		Counter = new FFrameCounter();
	}

	void ShutdownModule() override
	{
		Standin::Log::WriteRawLine("EditorTestModule: ShutdownModule after " + std::to_string(Counter->Frames) + " frames");
		delete Counter;
	}

private:
	FFrameCounter* Counter = nullptr;
};
} // namespace

IMPLEMENT_MODULE(FEditorTestModule, EditorTestModule)
