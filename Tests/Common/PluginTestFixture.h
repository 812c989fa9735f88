// The in-process fixture of the plugin's tests: the test world (a fresh stand-in machine, a project
// with the plugin installed and a private engine folder that is the working folder), the engine started
// on it; the Levelwright module is started on demand and shut down at the end.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Levelwright/LevelwrightModule.h"
#include "Standin/Dialogs.h"
#include "TestEnvironment.h"

namespace LevelwrightTest
{
class FPluginTest : public ::testing::Test, protected FTestWorld
{
protected:
	void SetUp() override;
	void TearDown() override;

	// Loads the module, which runs its start-up.
	FLevelwrightModule& StartModule();
	FLevelwrightModule& Module();
	void ShutdownModule();

	// One editor frame: game-thread tasks, then every tickable (the module pumps Steam there).
	void Tick(int Frames = 1);
	// Ticks until Predicate holds; false when TimeoutSeconds pass first.
	bool TickUntil(const std::function<bool()>& Predicate, double TimeoutSeconds = 120);
	// Ticks until no job runs, no background or game-thread task waits and Steam has nothing pending.
	bool WaitIdle(double TimeoutSeconds = 120);

	bool LogHas(const std::string& Text) const;
	std::vector<std::string> LogLines() const;
	// Log lines that contain Text.
	int CountLines(const std::string& Text) const;
	std::vector<Standin::Dialogs::FShownDialog> Boxes() const;
	bool BoxShown(const std::string& Caption, const std::string& Text) const;

	std::filesystem::path SavedDir() const { return Project.Dir() / "Saved"; }
	// The simulated Workshop's folder of an item.
	std::filesystem::path ItemDir(unsigned long long Id) const { return Machine.WorkshopItemDir(Id); }

	// The Workshop map folder UGC<ItemId>: a map Arena referencing a crate and a preview texture in its
	// folder and a rock outside it (/Game/Shared/Rock), and a definition linking the map and the preview.
	void WriteSampleWorkshopMap(unsigned long long ItemId);
};

// A valid PNG of Width x Height pixels of one RGBA colour.
std::string MakePng(int Width, int Height, unsigned Rgba);
// A valid PNG of Width x Height pixels of random RGBA noise (the same for a size every time): no
// compressor can shrink it, so the file takes about Width * Height * 4 bytes.
std::string MakeNoisePng(int Width, int Height);
} // namespace LevelwrightTest
