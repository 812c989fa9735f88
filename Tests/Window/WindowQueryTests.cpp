// The window's queries: which Setup page shows, the map tab label, the action buttons against the
// throbbers, the selected page and the status line, each by the module state it is read from.
#include <filesystem>

#include <gmock/gmock.h>

#include "QRNInterface/QRNInterface.h"
#include "Standin/StringUtf8.h"
#include "UGCInterface/UGCInterface.h"
#include "WindowTest.h"

namespace fs = std::filesystem;
using namespace LevelwrightTest;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
const char* const ReadyText = "STextBlock \"Ready! Sync metadata updates the title and preview image from your local definition asset\"";
}

TEST_F(FWindowTest, AWorkshopMapShowsCreateNewUntilItHasAnItem)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	ASSERT_EQ(Module.WorkshopMap->ItemId, 0u);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	EXPECT_EQ(Window->GetMapSwitcherIndex(), 0);
	EXPECT_EQ(ToUtf8(Window->GetMapTabLabel()), "Create Map");
	EXPECT_THAT(Describe(Window), HasSubstr("SButton \"Create New\""));

	for (const uint64 ItemId : {1ull, 2000000001ull, ~0ull})
	{
		Module.WorkshopMap->ItemId = ItemId;
		EXPECT_EQ(Window->GetMapSwitcherIndex(), 1) << ItemId;
		EXPECT_EQ(ToUtf8(Window->GetMapTabLabel()), "Map Details") << ItemId;
	}
	// The same window follows on its next layout; nothing is rebuilt.
	const std::string Shown = Describe(Window);
	EXPECT_THAT(Shown, HasSubstr(ReadyText));
	EXPECT_THAT(Shown, Not(HasSubstr("\"Create New\"")));
	EXPECT_EQ(EnsureReports("Interface"), 0);
}

TEST_F(FWindowTest, AQuarnModShowsTheMapNameUntilItHasAModAndHasNoTabLabel)
{
	FLevelwrightModule& Module = StartWithoutSteam(true);
	ASSERT_TRUE(Module.QuarnMod->ModId.IsEmpty());
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	EXPECT_EQ(Window->GetMapSwitcherIndex(), 2);
	EXPECT_THAT(Describe(Window), HasSubstr("STextBlock \"Map Name\""));
	EXPECT_EQ(EnsureReports("Interface"), 0) << "the Setup page of a Quarn mod is no fallback";

	for (const TCHAR* ModId : {TEXT("Old_Harbour"), TEXT("x"), TEXT(" ")})
	{
		Module.QuarnMod->ModId = ModId;
		EXPECT_EQ(Window->GetMapSwitcherIndex(), 3);
	}
	EXPECT_THAT(Describe(Window), HasSubstr("STextBlock \"Setup complete!\""));

	EXPECT_TRUE(Window->GetMapTabLabel().IsEmpty());
	EXPECT_TRUE(Window->GetMapTabLabel().IsEmpty());
	EXPECT_EQ(EnsureReports("Interface"), 1);
}

TEST_F(FWindowTest, WithoutAMapObjectTheSetupPageFallsBackAndIsReportedOnce)
{
	StartWithoutSteam(false);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	for (int Repaint = 0; Repaint < 20; ++Repaint)
	{
		ASSERT_EQ(Window->GetMapSwitcherIndex(), 1);
	}
	for (int Repaint = 0; Repaint < 3; ++Repaint)
	{
		EXPECT_THAT(Describe(Window), HasSubstr(ReadyText));
	}
	EXPECT_EQ(EnsureReports("Interface"), 1);
}

// A Steam request in flight hides the action buttons (no second request can start) but shows no
// throbber; a running job puts a throbber where each action button was, on every action page.
TEST_F(FWindowTest, ActionButtonsGiveWayToThrobbersOnlyForJobs)
{
	WriteSampleWorkshopMap(2000000001ull);
	FLevelwrightModule& Module = StartWorkshopMode();
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Visible);
	EXPECT_TRUE(Window->GetBusyVisibility() == EVisibility::Collapsed);

	Window->SyncTitleClicked();
	ASSERT_TRUE(Module.WorkshopMap->bRequestPending);
	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Collapsed);
	EXPECT_TRUE(Window->GetBusyVisibility() == EVisibility::Collapsed);
	ASSERT_TRUE(WaitIdle());
	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Visible);

	// The job runs for as long as its cook: the window is looked at right after the click.
	Window->StageButtonClicked();
	ASSERT_TRUE(Module.bBusy.load());
	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Collapsed);
	EXPECT_TRUE(Window->GetBusyVisibility() == EVisibility::Visible);
	const std::pair<int32, std::string> ActionPages[] = {{1, "Stage"}, {2, "Submit"}, {3, "Build Selected Platform(s)"}};
	for (const auto& [Page, Button] : ActionPages)
	{
		Module.SelectedTab = Page;
		const std::string Shown = Describe(Window);
		EXPECT_THAT(Shown, HasSubstr("SThrobber")) << Page;
		EXPECT_THAT(Shown, Not(HasSubstr("SButton \"" + Button + "\""))) << Page;
	}
	ASSERT_TRUE(WaitIdle());
	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Visible);
	EXPECT_TRUE(Window->GetBusyVisibility() == EVisibility::Collapsed);
}

TEST_F(FWindowTest, WithoutAWorkshopMapOnlyAJobHidesTheButtons)
{
	FLevelwrightModule& Module = StartWithoutSteam(true);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Visible);
	EXPECT_TRUE(Window->GetBusyVisibility() == EVisibility::Collapsed);
	Module.bBusy = true;
	EXPECT_TRUE(Window->GetStandbyVisibility() == EVisibility::Collapsed);
	EXPECT_TRUE(Window->GetBusyVisibility() == EVisibility::Visible);
	Module.bBusy = false;
}

TEST_F(FWindowTest, ThePageShownIsTheModulesSelectedTabForEveryWindow)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	const TSharedRef<SDrovikWorkshopWindow> First = MakeWindow();
	const TSharedRef<SDrovikWorkshopWindow> Second = MakeWindow();
	EXPECT_EQ(First->GetTabIndex(), 0);

	for (const int32 Selected : {3, 1, 7, -1, 2})
	{
		Module.SelectedTab = Selected;
		EXPECT_EQ(First->GetTabIndex(), Selected);
		EXPECT_EQ(Second->GetTabIndex(), Selected);
	}
	EXPECT_THAT(Describe(Second), HasSubstr("STextBlock \"Submit content to the workshop\""));
}

namespace
{
// The status line's rule, for each combination of an install folder and a plugin descriptor.
class FStatusLineTest : public FWindowTest
{
protected:
	void ExpectStatusLine(const std::string& Version)
	{
		FLevelwrightModule& Module = StartWorkshopMode();
		ASSERT_FALSE(Module.GameInstallPath.IsEmpty()) << "the sample machine's game was not found";
		const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
		const std::string Prefix = "v" + Version + "       Drovik installed at: ";

		const std::string Found = Prefix + Standin::ToUtf8(Module.GameInstallPath) + " - OK";
		EXPECT_EQ(ToUtf8(Window->GetConfigState()), Found);
		EXPECT_THAT(Describe(Window), HasSubstr("STextBlock \"" + Found + "\""));

		Module.GameInstallPath.Empty();
		EXPECT_EQ(ToUtf8(Window->GetConfigState()), Prefix + "ERROR, NOT FOUND!");
	}

	fs::path PluginFolder() const { return Project.Dir() / "Plugins" / "Levelwright"; }
};
} // namespace

TEST_F(FStatusLineTest, NamesTheDescriptorsVersionAndTheInstall)
{
	fs::remove(PluginFolder());
	WriteFile(PluginFolder() / "Levelwright.uplugin", R"({"FileVersion": 3, "Version": 27, "VersionName": "2.7-rc1", "FriendlyName": "Levelwright"})");
	ExpectStatusLine("2.7-rc1");
}

TEST_F(FStatusLineTest, WithoutADescriptorTheVersionIsEmpty)
{
	fs::remove(PluginFolder());
	ExpectStatusLine("");
}
