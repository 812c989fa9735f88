// What the reliability tests share: the plugin started on a Workshop or a Quarn project, its window
// (whose queries say whether the author sees the action buttons again), the staged pak, the
// simulated Workshop as a whole, and running with permissions that bite even for root.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "PipelineTestSupport.h"
#include "UI/DrovikWorkshopWindow.h"

namespace LevelwrightTest
{
constexpr unsigned long long SampleItem = 2000000001ull;

class FReliabilityTest : public FPipelineTest
{
protected:
	void TearDown() override;

	// The sample Workshop map of item 2000000001, the module started on it, and its window.
	void StartWorkshopProject();
	// A Quarn mod QRN_Harbour with a main map and a quest map, the module started on it (no Steam).
	void StartQuarnProject();
	SDrovikWorkshopWindow& Window();

	// The window shows its action buttons again: no job runs and no Steam request is awaited.
	bool WindowIdle();

	std::filesystem::path PaksDir() const { return Machine.PaksDir(); }
	std::filesystem::path StagedPak() const { return PaksDir() / "pakchunk_workshop_stage.pak"; }
	// The files of the game's Paks folder but the sample machine's .gitkeep.
	std::vector<std::string> PaksFolderFiles() const;

	// Every file of the simulated Workshop (steam/workshop and steam/staging) with its bytes.
	std::map<std::string, std::string> WorkshopFiles() const;
	// Each item folder holds a readable item.json whose versions each list files, and nothing waits
	// in steam/staging: what an interrupted or refused request must leave behind.
	void ExpectWorkshopWhole() const;

private:
	TSharedPtr<SDrovikWorkshopWindow> WorkshopWindow;
};

// While it lives, the test process (and every child it starts) runs as the user "nobody" when it
// runs as root, so that a folder without write permission refuses writes as it does for an author.
// Everything below Root is made writable for everybody first, except the ReadOnly folders, which
// become read-only (and writable again when the scope ends).
class FUnprivilegedScope
{
public:
	explicit FUnprivilegedScope(const std::filesystem::path& Root, std::vector<std::filesystem::path> ReadOnly = {});
	~FUnprivilegedScope();
	FUnprivilegedScope(const FUnprivilegedScope&) = delete;
	FUnprivilegedScope& operator=(const FUnprivilegedScope&) = delete;

private:
	std::vector<std::filesystem::path> ReadOnlyFolders;
	bool bDropped = false;
};
} // namespace LevelwrightTest
