#include "EditorSession.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "Modules/ModuleManager.h"
#include "Standin/AsyncStandin.h"
#include "Standin/Engine.h"
#include "Standin/Log.h"
#include "Standin/StringUtf8.h"

namespace Standin::Editor
{
namespace
{
constexpr const char* PluginName = "Levelwright";

// The module names a .uplugin lists, or false when the file cannot be read as one.
bool ReadPluginModules(const std::filesystem::path& PluginFile, std::vector<std::string>& OutModules, std::string& OutError)
{
	std::ifstream Stream(PluginFile, std::ios::binary);
	const std::string Text((std::istreambuf_iterator<char>(Stream)), std::istreambuf_iterator<char>());
	const nlohmann::json Descriptor = nlohmann::json::parse(Text, nullptr, false);
	if (!Stream || Descriptor.is_discarded() || !Descriptor.is_object())
	{
		OutError = "cannot read the plugin descriptor " + PluginFile.string();
		return false;
	}
	const auto Modules = Descriptor.find("Modules");
	if (Modules == Descriptor.end())
	{
		return true;
	}
	if (!Modules->is_array())
	{
		OutError = "\"Modules\" is not a list in " + PluginFile.string();
		return false;
	}
	for (const nlohmann::json& Module : *Modules)
	{
		if (!Module.is_object() || !Module.contains("Name") || !Module["Name"].is_string())
		{
			OutError = "a module without a name in " + PluginFile.string();
			return false;
		}
		OutModules.push_back(Module["Name"].get<std::string>());
	}
	return true;
}
} // namespace

void StartEngine(const FLaunch& Launch, bool bCommandlet, const std::string& LogFileName)
{
	Engine::FSettings Settings;
	Settings.BinariesDir = Launch.BinariesDir;
	Settings.ProjectFile = Launch.ProjectFile;
	Settings.bCommandlet = bCommandlet;
	Settings.LogFileName = LogFileName;
	Engine::Initialize(Settings);
	Log::WriteRawLine(std::string("LogInit: Display: Levelwright stand-in of Unreal Engine 4.21.0 (headless ") +
					  (bCommandlet ? "commandlet" : "editor") + ", not the real UE4Editor)");
	Log::WriteRawLine("LogInit: Display: Project: " + Launch.ProjectFile.generic_string());
}

bool LoadProjectPlugins(const FLaunch& Launch)
{
	const std::filesystem::path PluginFile =
		Launch.ProjectFile.parent_path() / "Plugins" / PluginName / (std::string(PluginName) + ".uplugin");
	std::error_code Ignored;
	if (!std::filesystem::is_regular_file(PluginFile, Ignored))
	{
		return true;
	}
	std::vector<std::string> Modules;
	std::string Error;
	if (!ReadPluginModules(PluginFile, Modules, Error))
	{
		Log::WriteRawLine("LogInit: Error: " + Error);
		return false;
	}
	for (const std::string& Module : Modules)
	{
		if (FModuleManager::Get().LoadModule(FName(*FromUtf8(Module))) == nullptr)
		{
			Log::WriteRawLine("LogInit: Error: Plugin '" + std::string(PluginName) + "' failed to load because module '" + Module +
							  "' could not be found (it is not linked into this editor).");
			return false;
		}
		Log::WriteRawLine("LogInit: Display: Loaded module " + Module);
	}
	return true;
}

bool StopEngine()
{
	FModuleManager::Get().UnloadModulesAtShutdown();
	// A task still running now belongs to no module; it is waited for only so the process ends whole.
	const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
	while (!Async::AreWorkersIdle() && std::chrono::steady_clock::now() < Deadline)
	{
		std::this_thread::sleep_for(std::chrono::milliseconds(1));
	}
	const bool bWorkersIdle = Async::AreWorkersIdle();
	if (!bWorkersIdle)
	{
		Log::WriteRawLine("LogExit: Error: background work still running 60 s after the modules shut down");
	}
	Log::CloseLogFile();
	return bWorkersIdle;
}
} // namespace Standin::Editor
