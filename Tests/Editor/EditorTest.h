// The editor's process tests: the test world with the plugin taken out of its project; UE4Editor.exe
// runs with EditorTestModule preloaded, which a project loads by listing it in its
// Plugins/Levelwright/Levelwright.uplugin.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "EditorProcess.h"
#include "TestEnvironment.h"

namespace LevelwrightTest
{
class FEditorTest : public ::testing::Test, protected FTestWorld
{
protected:
	void SetUp() override;
	// Makes the project's plugin the test module (its StartupModule and ShutdownModule print lines).
	void UseTestModule();
	FProcessResult Run(const std::string& Script, const std::vector<std::string>& ExtraArguments = {});
};

// Index of the first line containing Text, or -1.
int LineIndex(const FProcessResult& Result, const std::string& Text);
} // namespace LevelwrightTest
