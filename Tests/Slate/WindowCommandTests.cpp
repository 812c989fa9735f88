// The editor's window commands against a tab spawned like the workshop tab.
#include "SlateTestHelpers.h"

#include "Framework/Notifications/NotificationManager.h"
#include "WindowCommands.h"
#include "Widgets/Notifications/SNotificationList.h"

#include <gmock/gmock.h>

#include <filesystem>

using namespace SlateTests;
using ::testing::HasSubstr;
using Standin::Editor::RunWindowCommand;

namespace
{
struct FSpawnCounter
{
	int Spawns = 0;
	int Stages = 0;
	int32 Page = 0;
};
FSpawnCounter Counter;

TSharedRef<SDockTab> SpawnWorkshopLikeTab(const FSpawnTabArgs&)
{
	++Counter.Spawns;
	auto Header = [](const char* Label, int32 Index) {
		return SNew(SButton).Text(Text(Label)).OnClicked(FOnClicked::CreateLambda([Index] {
			Counter.Page = Index;
			return FReply::Handled();
		}));
	};
	return SNew(SDockTab).TabRole(ETabRole::MajorTab).ContentPadding(5).Label(Text("Drovik Workshop"))
		[SNew(SVerticalBox) +
		 SVerticalBox::Slot().AutoHeight()[SNew(SHorizontalBox) + SHorizontalBox::Slot().AutoWidth()[Header("Setup", 0)] +
										   SHorizontalBox::Slot().AutoWidth()[Header("Testing(Steam)", 1)]] +
		 SVerticalBox::Slot()[SNew(SWidgetSwitcher).WidgetIndex(TAttribute<int32>::Create(TAttribute<int32>::FGetter::CreateLambda([] { return Counter.Page; }))) +
							  SWidgetSwitcher::Slot()[SNew(STextBlock).Text(Text("Setup page"))] +
							  SWidgetSwitcher::Slot()[SNew(SButton).Text(Text("Stage")).OnClicked(FOnClicked::CreateLambda([] {
								  ++Counter.Stages;
								  return FReply::Handled();
							  }))]]];
}

class WindowCommands : public ::testing::Test
{
protected:
	void SetUp() override
	{
		FGlobalTabmanager::Get()->RegisterNomadTabSpawner(FName("DrovikWorkshopTab"), FOnSpawnTab::CreateStatic(&SpawnWorkshopLikeTab));
		StartFolder = std::filesystem::path(LEVELWRIGHT_BUILD_DIR) / "Tests" / "SlateOutput";
		std::filesystem::create_directories(StartFolder);
	}
	void TearDown() override { Standin::Editor::CloseAllWindows(); }

	std::filesystem::path StartFolder;
};
} // namespace

TEST_F(WindowCommands, OtherVerbsAreNotWindowCommands)
{
	EXPECT_FALSE(RunWindowCommand("save-all", "", StartFolder).bHandled);
}

TEST_F(WindowCommands, CommandsNeedTheOpenTab)
{
	const auto Result = RunWindowCommand("click", "Stage", StartFolder);
	EXPECT_TRUE(Result.bHandled);
	EXPECT_FALSE(Result.bOk);
	EXPECT_THAT(Result.Error, HasSubstr("not open"));
	EXPECT_FALSE(RunWindowCommand("close-tab", "", StartFolder).bOk);
}

TEST_F(WindowCommands, ClickReachesAButtonOnlyOnItsPage)
{
	ASSERT_TRUE(RunWindowCommand("open-tab", "", StartFolder).bOk);
	const auto Hidden = RunWindowCommand("click", "Stage", StartFolder);
	EXPECT_FALSE(Hidden.bOk);
	EXPECT_EQ(Hidden.Error, "no visible widget labelled \"Stage\"");

	EXPECT_TRUE(RunWindowCommand("click", "Testing(Steam)", StartFolder).bOk);
	Standin::Editor::TickWindows(1.0f / 60.0f);
	EXPECT_TRUE(RunWindowCommand("click", "Stage", StartFolder).bOk);
	EXPECT_EQ(Counter.Stages, 1);

	::testing::internal::CaptureStdout();
	EXPECT_TRUE(RunWindowCommand("show", "", StartFolder).bOk);
	const std::string Shown = ::testing::internal::GetCapturedStdout();
	EXPECT_THAT(Shown, HasSubstr("SDockTab \"Drovik Workshop\" (0,0 1024x640)\n"));
	EXPECT_THAT(Shown, HasSubstr("SButton \"Stage\""));
	EXPECT_THAT(Shown, ::testing::Not(HasSubstr("Setup page")));
}

TEST_F(WindowCommands, ClosingTheTabBuildsANewWindowOnTheNextOpen)
{
	ASSERT_TRUE(RunWindowCommand("open-tab", "", StartFolder).bOk);
	ASSERT_TRUE(RunWindowCommand("open-tab", "", StartFolder).bOk);
	EXPECT_EQ(Counter.Spawns, 1);
	ASSERT_TRUE(RunWindowCommand("close-tab", "", StartFolder).bOk);
	ASSERT_TRUE(RunWindowCommand("open-tab", "", StartFolder).bOk);
	EXPECT_EQ(Counter.Spawns, 2);
}

TEST_F(WindowCommands, ScreenshotWritesThePngRelativeToTheStartFolder)
{
	std::filesystem::remove(StartFolder / "shots" / "tab.png");
	ASSERT_TRUE(RunWindowCommand("open-tab", "", StartFolder).bOk);
	const auto Result = RunWindowCommand("screenshot", "shots/tab.png", StartFolder);
	ASSERT_TRUE(Result.bOk) << Result.Error;
	const auto Image = Standin::Slate::LoadPng(StartFolder / "shots" / "tab.png");
	ASSERT_TRUE(Image.has_value());
	EXPECT_EQ(Image->Width, 1024);
	EXPECT_EQ(Image->Height, 640);
}

namespace
{
std::string ShowOutput(const std::filesystem::path& StartFolder)
{
	::testing::internal::CaptureStdout();
	EXPECT_TRUE(RunWindowCommand("show", "", StartFolder).bOk);
	return ::testing::internal::GetCapturedStdout();
}
} // namespace

TEST_F(WindowCommands, NotificationsShowOverTheTabAndTheirButtonsAndLinkTakeClicks)
{
	ASSERT_TRUE(RunWindowCommand("open-tab", "", StartFolder).bOk);
	int Cancels = 0;
	FNotificationInfo Info(Text("Cooking Arena"));
	Info.bFireAndForget = false;
	Info.ButtonDetails.Add(FNotificationButtonInfo(Text("Cancel"), Text("Stops the cook"), FSimpleDelegate::CreateLambda([&] { ++Cancels; })));
	// As the engine's packaging does: the link opens the Output Log.
	Info.Hyperlink = FSimpleDelegate::CreateLambda([] { FGlobalTabmanager::Get()->TryInvokeTab(FName("OutputLog")); });
	const TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info);
	Item->SetCompletionState(SNotificationItem::CS_Pending);

	const std::string Shown = ShowOutput(StartFolder);
	// The tab's tree comes first; the notification area follows, over the same window.
	EXPECT_THAT(Shown, ::testing::StartsWith("SDockTab \"Drovik Workshop\" (0,0 1024x640)\n"));
	EXPECT_THAT(Shown, HasSubstr("\nSNotificationList (0,0 1024x640)\n"));
	EXPECT_THAT(Shown, HasSubstr("SNotificationItemImpl \"Cooking Arena\" ("));
	EXPECT_THAT(Shown, HasSubstr("SButton \"Cancel\" ("));
	EXPECT_THAT(Shown, HasSubstr("SHyperlink \"Show Log\" ("));
	EXPECT_THAT(Shown, ::testing::Not(HasSubstr("Output Log")));

	EXPECT_TRUE(RunWindowCommand("click", "Cancel", StartFolder).bOk);
	EXPECT_EQ(Cancels, 1);
	EXPECT_TRUE(RunWindowCommand("click", "Show Log", StartFolder).bOk);
	EXPECT_THAT(ShowOutput(StartFolder), HasSubstr("\nSDockTab \"Output Log\" (0,0 1024x640)\n"));
	EXPECT_TRUE(FGlobalTabmanager::Get()->FindExistingLiveTab(FTabId(FName("OutputLog"))).IsValid());

	// Clicks still reach the tab beside the notification.
	EXPECT_TRUE(RunWindowCommand("click", "Testing(Steam)", StartFolder).bOk);
}

TEST_F(WindowCommands, EditorFramesExpireNotifications)
{
	FSlateNotificationManager::Get().QueueNotification(new FNotificationInfo(Text("Staged")));
	Standin::Editor::TickWindows(1.0f / 60.0f);
	EXPECT_THAT(ShowOutput(StartFolder), HasSubstr("\"Staged\""));
	for (int Frame = 1; Frame < 180; ++Frame)
	{
		Standin::Editor::TickWindows(1.0f / 60.0f);
	}
	EXPECT_THAT(ShowOutput(StartFolder), HasSubstr("\"Staged\""));
	Standin::Editor::TickWindows(1.0f / 60.0f);
	// Nothing is left to show: no tab, no notification.
	const auto Result = RunWindowCommand("show", "", StartFolder);
	EXPECT_FALSE(Result.bOk);
	EXPECT_THAT(Result.Error, HasSubstr("not open"));
}

TEST_F(WindowCommands, TheOutputLogTabIsRegisteredAsTheEnginesOutputLogModuleDoes)
{
	EXPECT_TRUE(FGlobalTabmanager::Get()->HasTabSpawner(FName("OutputLog")));
	const TSharedPtr<SDockTab> Tab = FGlobalTabmanager::Get()->TryInvokeTab(FTabId(FName("OutputLog")));
	ASSERT_TRUE(Tab.IsValid());
	EXPECT_EQ(Tab->GetTabRole(), ETabRole::NomadTab);
	const std::string Shown = ShowOutput(StartFolder);
	EXPECT_THAT(Shown, HasSubstr("SDockTab \"Output Log\" (0,0 1024x640)\n"));
	EXPECT_THAT(Shown, HasSubstr("STextBlock \"No project is open: nothing is logged to a file.\""));
	Tab->RequestCloseTab();
	EXPECT_FALSE(RunWindowCommand("show", "", StartFolder).bOk);
}
