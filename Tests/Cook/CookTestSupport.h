// What the cook tests share: the test world with the plugin taken out of its project, the project
// cooked by UE4Editor.exe -run=cook as a child process, and its cooked trees read back byte for byte.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EditorProcess.h"
#include "TestEnvironment.h"

namespace LevelwrightTest
{
inline const std::string PcPlatforms = "-targetplatform=WindowsNoEditor+LinuxServer";

// The names of a tree's files, in order.
std::vector<std::string> Names(const std::map<std::string, std::string>& Files);

class FCookTest : public ::testing::Test, protected FTestWorld
{
protected:
	// The cook is under test, not the plugin's start-up inside it.
	void SetUp() override;

	// A map referencing a crate (by "References"), a logo texture (by a property) and an engine
	// asset outside /Game, and a package nothing references.
	void WriteSmallProject(const std::string& Title = "Arena");

	FProcessResult Cook(const std::string& Map, const std::string& Platforms = PcPlatforms, const std::vector<std::string>& More = {});

	std::filesystem::path CookedDir() const { return Project.Dir() / "Saved" / "Cooked"; }
	// Saved/Cooked/<Platform>/Drovik/Content
	std::filesystem::path Cooked(const std::string& Platform) const { return CookedDir() / Platform / "Drovik" / "Content"; }
};
} // namespace LevelwrightTest
