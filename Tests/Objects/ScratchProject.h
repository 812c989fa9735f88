// A scratch Drovik project for one test: Drovik.uproject with a Content folder in a fresh temporary
// folder, made the engine's open project; removed again at the end of the test. Unlike the test
// world's project (Tests/Common), it has no plugin and no engine folder of its own: the object and
// image suites load packages in this process and never start the plugin.
#pragma once

#include <filesystem>
#include <string>

#include "Standin/Engine.h"
#include "TestFiles.h"

using LevelwrightTest::ReadFile;

class FScratchProject
{
public:
	FScratchProject()
	{
		std::filesystem::create_directories(Temp.Path() / "Content");
		Write("Drovik.uproject", "{ \"FileVersion\": 3 }");
		Standin::Engine::FSettings Settings;
		Settings.BinariesDir = LevelwrightTest::BuiltBinariesDir();
		Settings.ProjectFile = Temp.Path() / "Drovik.uproject";
		Standin::Engine::Initialize(Settings);
	}

	std::filesystem::path Content(const std::string& Relative) const { return Temp.Path() / "Content" / Relative; }

	void Write(const std::filesystem::path& Relative, const std::string& Text) const { LevelwrightTest::WriteFile(Temp.Path() / Relative, Text); }
	void WriteContent(const std::string& Relative, const std::string& Text) const { Write(std::filesystem::path("Content") / Relative, Text); }

private:
	LevelwrightTest::FTempDir Temp;
};
