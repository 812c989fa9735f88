// The workshop window in-process: the module started on a fresh project and machine in one of its
// three modes, windows and page headers built with SNew and their queries and handlers called directly.
#pragma once

#include <string>

#include "PluginTestFixture.h"
#include "UI/DrovikWorkshopWindow.h"

namespace LevelwrightTest
{
class FWindowTest : public FPluginTest
{
protected:
	// Steam running and no map folder: a Workshop map without an item.
	FLevelwrightModule& StartWorkshopMode();
	// Steam not running, and the start-up question answered Yes (a Quarn mod) or No (no map object).
	FLevelwrightModule& StartWithoutSteam(bool bAnswerYes);

	TSharedRef<SDrovikWorkshopWindow> MakeWindow() const;
	// What the window shows, laid out headless as the editor's tab would show it.
	static std::string Describe(const TSharedRef<SWidget>& Widget);

	int EnsureReports(const std::string& Expression) const { return CountLines("Ensure condition failed: " + Expression + " [File:"); }
};

std::string ToUtf8(const FText& Text);
} // namespace LevelwrightTest
