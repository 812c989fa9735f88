// A temporary Drovik project for one test: <tmp>/<unique>/Drovik.uproject with a Content folder,
// made the engine's open project. Removed again at the end of the test.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "Standin/Engine.h"

class FTestProject
{
public:
	FTestProject()
	{
		static std::atomic<int> Counter{0};
		Root = std::filesystem::temp_directory_path() /
			   ("levelwright-objects-" + std::to_string(getpid()) + "-" + std::to_string(Counter++));
		std::filesystem::remove_all(Root);
		std::filesystem::create_directories(Root / "Content");
		Write("Drovik.uproject", "{ \"FileVersion\": 3 }");
		Standin::Engine::FSettings Settings;
		Settings.BinariesDir = LEVELWRIGHT_BINARIES_DIR;
		Settings.ProjectFile = Root / "Drovik.uproject";
		Standin::Engine::Initialize(Settings);
	}
	~FTestProject()
	{
		std::error_code Error;
		std::filesystem::remove_all(Root, Error);
	}

	std::filesystem::path Content(const std::string& Relative) const { return Root / "Content" / Relative; }

	void Write(const std::filesystem::path& Relative, const std::string& Text) const
	{
		const std::filesystem::path File = Root / Relative;
		std::filesystem::create_directories(File.parent_path());
		std::ofstream(File, std::ios::binary) << Text;
	}
	void WriteContent(const std::string& Relative, const std::string& Text) const { Write(std::filesystem::path("Content") / Relative, Text); }

	static std::string Read(const std::filesystem::path& File)
	{
		std::ifstream Stream(File, std::ios::binary);
		std::stringstream Buffer;
		Buffer << Stream.rdbuf();
		return Buffer.str();
	}

	std::filesystem::path Root;
};
