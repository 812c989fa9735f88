// Scripted scenarios: the stand-in editor (UE4Editor.exe) run on a temporary project and machine,
// driven through the "Drovik Workshop" tab as a map author drives it, and judged by what it prints
// and what it leaves on disk and in the simulated Workshop.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "EditorProcess.h"
#include "PluginTestFixture.h"

namespace LevelwrightTest
{
// One `show` of the tab: the printed widget lines, each "<indent><Type>[ "<label>"] (x,y wxh)".
class FShownTree
{
public:
	explicit FShownTree(std::vector<std::string> InLines) : Lines(std::move(InLines)) {}

	// True when a shown widget has this type and (when Label is not empty) exactly this label.
	bool Has(const std::string& Type, const std::string& Label = std::string()) const;
	std::string Text() const;

private:
	std::vector<std::string> Lines;
};

// Every tree that `show` printed in Output, in order.
std::vector<FShownTree> ShownTrees(const std::string& Output);

// FPluginTest gives the temporary project, machine and engine folder (and the sample map writer);
// the module is never started in this process: the editor child process runs it.
class FScenarioTest : public FPluginTest
{
protected:
	using FJson = nlohmann::ordered_json;

	static constexpr unsigned long long SampleItemId = 2000000001ull;
	static constexpr unsigned long long NextItemId = 2000000002ull;

	FProcessResult Run(const std::string& Script) const { return RunEditorScript(*this, Script); }
	// The editor started on the project with its script read from standard input, line by line.
	std::unique_ptr<FChildProcess> StartInteractive() const;

	FJson ReadItem(unsigned long long Id) const;
	std::filesystem::path StagedPaksDir() const { return Machine.PaksDir(); }
	std::vector<std::string> PaksIn(const std::filesystem::path& Folder) const;

	// Makes every cook the editor starts wait until OpenCookGate() (or a minute passes), so a test can
	// look at the window while a job is surely still running. The editor itself starts as before.
	void HoldCooks();
	void OpenCookGate() const;

private:
	std::filesystem::path CookGate() const { return Temp.Path() / "cook-gate"; }
};
} // namespace LevelwrightTest
