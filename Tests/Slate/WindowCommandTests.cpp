// The editor's window commands against a tab spawned like the workshop tab.
#include "SlateTestHelpers.h"

#include "WindowCommands.h"

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
