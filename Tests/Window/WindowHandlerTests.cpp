// The window's handlers: what each writes to the module or starts, what it logs, and when it reports
// a missing map object. Clicks and typing through the laid-out window check the bindings as well.
#include <gmock/gmock.h>

#include "QRNInterface/QRNInterface.h"
#include "Standin/SlateWindow.h"
#include "Standin/StringUtf8.h"
#include "UGCInterface/UGCInterface.h"
#include "WindowTest.h"

using namespace LevelwrightTest;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace
{
FText Text(const char* Utf8)
{
	return FText::FromString(Standin::FromUtf8(Utf8));
}

class FWindowHandlerTest : public FWindowTest
{
protected:
	// A window as the tab shows it, on the given page.
	Standin::Slate::FHeadlessWindow OpenOnPage(int32 Page)
	{
		Module().SelectedTab = Page;
		return Standin::Slate::FHeadlessWindow(MakeWindow(), FVector2D(1024, 640));
	}
};
} // namespace

TEST_F(FWindowHandlerTest, BuildPlatformChoicesLogOneLinePerChangeAndUndeterminedCountsAsUnchecked)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	struct FStep
	{
		ECheckBoxState State;
		bool bExpected;
	};
	const FStep Steps[] = {{ECheckBoxState::Unchecked, false}, {ECheckBoxState::Checked, true}, {ECheckBoxState::Undetermined, false}, {ECheckBoxState::Checked, true}};
	for (const FStep& Step : Steps)
	{
		Window->OnAndroidBuildPlatformsChanged(Step.State);
		EXPECT_EQ(Module.bBuildAndroid, Step.bExpected);
		Window->OnWindowsBuildPlatformsChanged(Step.State);
		EXPECT_EQ(Module.bBuildWindows, Step.bExpected);
	}
	EXPECT_EQ(CountLines("LevelwrightLog: Checked android build"), 2);
	EXPECT_EQ(CountLines("LevelwrightLog: Unchecked android build"), 2);
	EXPECT_EQ(CountLines("LevelwrightLog: Checked windows build"), 2);
	EXPECT_EQ(CountLines("LevelwrightLog: Unchecked windows build"), 2);
}

TEST_F(FWindowHandlerTest, CheckBoxesStartFromConstantsNotFromTheModule)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	std::string Error;
	{
		Standin::Slate::FHeadlessWindow Window = OpenOnPage(3);
		ASSERT_TRUE(Window.Click("Android", Error)) << Error;
		ASSERT_TRUE(Window.Click("Windows", Error)) << Error;
	}
	EXPECT_FALSE(Module.bBuildAndroid);
	EXPECT_TRUE(Module.bBuildWindows);

	// A reopened tab shows Android checked again: its first click unchecks it once more.
	Standin::Slate::FHeadlessWindow Reopened = OpenOnPage(3);
	ASSERT_TRUE(Reopened.Click("Android", Error)) << Error;
	EXPECT_FALSE(Module.bBuildAndroid);
	EXPECT_EQ(CountLines("LevelwrightLog: Unchecked android build"), 2);
	EXPECT_EQ(CountLines("LevelwrightLog: Checked windows build"), 1);
}

TEST_F(FWindowHandlerTest, TheMapNameWithoutAQuarnModChangesAndReportsNothing)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	const size_t LinesBefore = LogLines().size();

	Window->OnMapNameTextChanged(Text("Old Harbour 2.0"));

	EXPECT_EQ(LogLines().size(), LinesBefore);
	EXPECT_TRUE(Module.WorkshopMap->ChangeNote.IsEmpty());
	EXPECT_EQ(Module.QuarnMod, nullptr);
}

TEST_F(FWindowHandlerTest, TheMapNameBecomesTheModsName)
{
	FLevelwrightModule& Module = StartWithoutSteam(true);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	Window->OnMapNameTextChanged(Text("Old Harbour 2.0"));
	EXPECT_EQ(Standin::ToUtf8(Module.QuarnMod->MapName), "Old_Harbour_2_0");

	std::string Error;
	Standin::Slate::FHeadlessWindow Shown = OpenOnPage(0);
	ASSERT_TRUE(Shown.Type("Map Name", "North Cove v1.2", Error)) << Error;
	EXPECT_EQ(Standin::ToUtf8(Module.QuarnMod->MapName), "North_Cove_v1_2");
	EXPECT_TRUE(Module.QuarnMod->ModId.IsEmpty()) << "typing alone creates no mod";
}

TEST_F(FWindowHandlerTest, TheChangeNoteGoesToTheWorkshopMap)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	MakeWindow()->OnNotesTextChanged(Text("First release"));
	EXPECT_EQ(Standin::ToUtf8(Module.WorkshopMap->ChangeNote), "First release");

	std::string Error;
	Standin::Slate::FHeadlessWindow Shown = OpenOnPage(2);
	ASSERT_TRUE(Shown.Type("Change note", "Fixed the \xc3\xa9lan bridge", Error)) << Error;
	EXPECT_EQ(Standin::ToUtf8(Module.WorkshopMap->ChangeNote), "Fixed the \xc3\xa9lan bridge");
	EXPECT_EQ(EnsureReports("Interface"), 0);
}

TEST_F(FWindowHandlerTest, AChangeNoteWithoutAWorkshopMapIsReportedOnce)
{
	FLevelwrightModule& Module = StartWithoutSteam(true);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	Window->OnNotesTextChanged(Text("First release"));
	Window->OnNotesTextChanged(Text("Second release"));

	EXPECT_EQ(EnsureReports("Interface"), 1);
	EXPECT_TRUE(Module.QuarnMod->MapName.IsEmpty());
}

TEST_F(FWindowHandlerTest, CreateNewWithNeitherObjectIsReportedOnceAndStillHandled)
{
	StartWithoutSteam(false);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	const int ReportsBefore = EnsureReports("Interface");
	Standin::Dialogs::ClearShown();

	for (int Click = 0; Click < 3; ++Click)
	{
		EXPECT_TRUE(Window->CreateNewClicked().IsEventHandled());
	}

	EXPECT_EQ(EnsureReports("Interface") - ReportsBefore, 1);
	EXPECT_THAT(Boxes(), IsEmpty());
	EXPECT_EQ(CountLines("Creating"), 0);
}

TEST_F(FWindowHandlerTest, CreateNewOnAnExistingModRefuses)
{
	FLevelwrightModule& Module = StartWithoutSteam(true);
	Module.QuarnMod->ModId = TEXT("Harbour");
	Module.QuarnMod->MapName = TEXT("Other_Name");

	EXPECT_TRUE(MakeWindow()->CreateNewClicked().IsEventHandled());

	EXPECT_EQ(CountLines("LevelwrightLog: Error: Theres already an existing mod inside this project!"), 1);
	EXPECT_EQ(Standin::ToUtf8(Module.QuarnMod->ModId), "Harbour");
	EXPECT_EQ(EnsureReports("Interface"), 0);
}

TEST_F(FWindowHandlerTest, CreateNewOnAWorkshopMapAsksSteamForAnItem)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	std::string Error;
	Standin::Slate::FHeadlessWindow Shown = OpenOnPage(0);
	ASSERT_TRUE(Shown.Click("Create New", Error)) << Error;
	EXPECT_TRUE(Module.WorkshopMap->bRequestPending);
	EXPECT_EQ(CountLines("LevelwrightLog: Warning: Creating new item"), 1);
	EXPECT_EQ(EnsureReports("Interface"), 0);
	ASSERT_TRUE(WaitIdle(30));
	EXPECT_NE(Module.WorkshopMap->ItemId, 0u);
}

TEST_F(FWindowHandlerTest, SyncWithNeitherObjectIsReportedAndLogged)
{
	StartWithoutSteam(false);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	const int ReportsBefore = EnsureReports("Interface");

	EXPECT_TRUE(Window->SyncTitleClicked().IsEventHandled());
	EXPECT_TRUE(Window->SyncTitleClicked().IsEventHandled());

	EXPECT_EQ(EnsureReports("Interface") - ReportsBefore, 1);
	EXPECT_EQ(CountLines("LevelwrightLog: Error: Not connected to steam, failed to sync data!"), 2);
}

TEST_F(FWindowHandlerTest, SyncOfAQuarnModIsLoggedWithoutAReport)
{
	StartWithoutSteam(true);
	EXPECT_TRUE(MakeWindow()->SyncTitleClicked().IsEventHandled());
	EXPECT_EQ(EnsureReports("Interface"), 0);
	EXPECT_EQ(CountLines("LevelwrightLog: Error: Not connected to steam, failed to sync data!"), 1);
}

TEST_F(FWindowHandlerTest, TheItemLinkOpensTheItemsPageOnceThereIsAnItem)
{
	FLevelwrightModule& Module = StartWorkshopMode();
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();

	::testing::internal::CaptureStdout();
	Window->WorkshopItemLinkClicked();
	std::string Printed = ::testing::internal::GetCapturedStdout();
	EXPECT_EQ(Printed.find("Overlay opened"), std::string::npos) << Printed;

	Module.WorkshopMap->ItemId = 2000000001ull;
	std::string Error;
	Standin::Slate::FHeadlessWindow Shown = OpenOnPage(0);
	::testing::internal::CaptureStdout();
	const bool bClicked = Shown.Click("Add/Edit Images & Videos", Error);
	Printed = ::testing::internal::GetCapturedStdout();
	ASSERT_TRUE(bClicked) << Error;
	EXPECT_THAT(Printed, HasSubstr("LogSteamStandin: Overlay opened steam://url/CommunityFilePage/2000000001\n"));
	EXPECT_EQ(EnsureReports("Interface"), 0);
}

TEST_F(FWindowHandlerTest, TheItemLinkWithoutAWorkshopMapIsReportedOnce)
{
	StartWithoutSteam(true);
	const TSharedRef<SDrovikWorkshopWindow> Window = MakeWindow();
	Window->WorkshopItemLinkClicked();
	Window->WorkshopItemLinkClicked();
	EXPECT_EQ(EnsureReports("Interface"), 1);
}
