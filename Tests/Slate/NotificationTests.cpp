// Notifications as the editor shows them: the game-thread rule, the queue for other threads, buttons
// by completion state, expiry counted in frames, and what `show` and a screenshot show of them.
#include "SlateTestHelpers.h"

#include "CoreGlobals.h"
#include "Framework/Notifications/NotificationManager.h"
#include "Standin/SlateApplication.h"
#include "Widgets/Notifications/SNotificationList.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <filesystem>
#include <thread>
#include <unistd.h>

using namespace SlateTests;
using ::testing::HasSubstr;
using ::testing::Not;
using Standin::Slate::FImage;
using Standin::Slate::FRgba;

namespace
{
constexpr float FrameSeconds = 1.0f / 60.0f;

void TickFrames(int Frames)
{
	for (int Frame = 0; Frame < Frames; ++Frame)
	{
		Standin::Slate::Tick(FrameSeconds);
	}
}

// The editor's main window without a tab: only the notification area shows.
FHeadlessWindow NotificationWindow()
{
	FHeadlessWindow Window(SNullWidget::NullWidget, FVector2D(1024, 640));
	Window.AddLayer(Standin::Slate::GetNotificationArea());
	return Window;
}

bool Shows(const FHeadlessWindow& Window, const std::string& Text) { return Window.Describe().find(Text) != std::string::npos; }

void SendStdoutToStderr()
{
	std::fflush(stdout);
	::dup2(2, 1);
}
} // namespace

TEST(SlateNotificationsDeathTest, AddingOneOffTheGameThreadIsAFatalCheck)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	// The test's own thread is the game thread (the first to ask, as in the engine's start-up).
	ASSERT_TRUE(IsInGameThread());
	EXPECT_DEATH(
		{
			SendStdoutToStderr();
			std::thread Worker([] { FSlateNotificationManager::Get().AddNotification(FNotificationInfo(Text("Cooking Arena"))); });
			Worker.join();
		},
		"Assertion failed: IsInGameThread\\(\\) .*must be called on game thread\\. Use QueueNotification if necessary\\.");
}

TEST(SlateNotifications, AQueuedNotificationAppearsOnTheNextFrame)
{
	const FHeadlessWindow Window = NotificationWindow();
	std::thread Worker([] { FSlateNotificationManager::Get().QueueNotification(new FNotificationInfo(Text("Cooked on a worker"))); });
	Worker.join();
	EXPECT_FALSE(Shows(Window, "Cooked on a worker"));
	EXPECT_EQ(Window.Describe(), "");

	TickFrames(1);
	EXPECT_TRUE(Shows(Window, "SNotificationItemImpl \"Cooked on a worker\" (")) << Window.Describe();
	EXPECT_THAT(Window.Describe(), ::testing::StartsWith("SNotificationList (0,0 1024x640)\n"));
}

TEST(SlateNotifications, AButtonShowsOnlyInItsStateAndAClickRunsIt)
{
	int Cancels = 0, Opens = 0, LogOpens = 0;
	FNotificationInfo Info(Text("Cooking Arena"));
	Info.bFireAndForget = false;
	Info.ButtonDetails.Add(FNotificationButtonInfo(Text("Cancel"), Text("Stops the cook"), FSimpleDelegate::CreateLambda([&] { ++Cancels; })));
	Info.ButtonDetails.Add(FNotificationButtonInfo(Text("Open Folder"), Text("Shows the pak"), FSimpleDelegate::CreateLambda([&] { ++Opens; }),
												   SNotificationItem::CS_Success));
	Info.Hyperlink = FSimpleDelegate::CreateLambda([&] { ++LogOpens; });
	const TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info);
	ASSERT_TRUE(Item.IsValid());
	FHeadlessWindow Window = NotificationWindow();
	std::string Error;

	// A new notification is in no state: neither button shows.
	EXPECT_EQ(Item->GetCompletionState(), SNotificationItem::CS_None);
	EXPECT_FALSE(Window.Click("Cancel", Error));
	EXPECT_EQ(Error, "no visible widget labelled \"Cancel\"");

	Item->SetCompletionState(SNotificationItem::CS_Pending);
	EXPECT_TRUE(Shows(Window, "SNotificationItemImpl \"Cooking Arena\" (")) << Window.Describe();
	EXPECT_TRUE(Shows(Window, ") Pending\n"));
	EXPECT_TRUE(Shows(Window, "SButton \"Cancel\" ("));
	EXPECT_TRUE(Shows(Window, "SThrobber ("));
	EXPECT_FALSE(Shows(Window, "Open Folder"));
	ASSERT_TRUE(Window.Click("Cancel", Error)) << Error;
	EXPECT_EQ(Cancels, 1);
	EXPECT_FALSE(Window.Click("Open Folder", Error));

	Item->SetCompletionState(SNotificationItem::CS_Success);
	EXPECT_TRUE(Shows(Window, ") Success\n"));
	EXPECT_FALSE(Shows(Window, "Cancel"));
	EXPECT_FALSE(Shows(Window, "SThrobber"));
	ASSERT_TRUE(Window.Click("Open Folder", Error)) << Error;
	EXPECT_EQ(Opens, 1);
	EXPECT_FALSE(Window.Click("Cancel", Error));
	EXPECT_EQ(Cancels, 1);

	// The hyperlink is there while it is bound, with its default text.
	ASSERT_TRUE(Window.Click("Show Log", Error)) << Error;
	EXPECT_EQ(LogOpens, 1);
	Item->SetHyperlink(FSimpleDelegate());
	EXPECT_FALSE(Window.Click("Show Log", Error));
}

TEST(SlateNotifications, SetTextChangesWhatIsShown)
{
	FNotificationInfo Info(Text("Cooking 1 of 3"));
	Info.bFireAndForget = false;
	const TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info);
	const FHeadlessWindow Window = NotificationWindow();
	EXPECT_TRUE(Shows(Window, "SNotificationItemImpl \"Cooking 1 of 3\" ("));
	Item->SetText(Text("Cooking 2 of 3"));
	EXPECT_TRUE(Shows(Window, "SNotificationItemImpl \"Cooking 2 of 3\" ("));
	EXPECT_TRUE(Shows(Window, "STextBlock \"Cooking 2 of 3\" ("));
	EXPECT_FALSE(Shows(Window, "1 of 3"));
}

TEST(SlateNotifications, AFireAndForgetOneGoesAfterItsExpiryAndFadeOut)
{
	const FHeadlessWindow Window = NotificationWindow();
	FSlateNotificationManager::Get().AddNotification(FNotificationInfo(Text("Staged")));
	// One second shown, then two seconds fading: 180 frames of 1/60 s.
	TickFrames(179);
	EXPECT_TRUE(Shows(Window, "\"Staged\""));
	TickFrames(1);
	EXPECT_FALSE(Shows(Window, "\"Staged\"")) << Window.Describe();
	EXPECT_EQ(Window.Describe(), "");
}

TEST(SlateNotifications, AKeptOneStaysUntilItIsToldToGo)
{
	const FHeadlessWindow Window = NotificationWindow();
	FNotificationInfo Info(Text("Submitting"));
	Info.bFireAndForget = false;
	const TSharedPtr<SNotificationItem> Expiring = FSlateNotificationManager::Get().AddNotification(Info);
	Info.Text = Text("Packing");
	const TSharedPtr<SNotificationItem> Fading = FSlateNotificationManager::Get().AddNotification(Info);
	TickFrames(600);
	EXPECT_TRUE(Shows(Window, "\"Submitting\""));
	EXPECT_TRUE(Shows(Window, "\"Packing\""));

	// ExpireAndFadeout: the expiry (here half a second), then the two-second fade; Fadeout: the fade only.
	Expiring->SetExpireDuration(0.5f);
	Expiring->ExpireAndFadeout();
	Fading->Fadeout();
	TickFrames(119);
	EXPECT_TRUE(Shows(Window, "\"Packing\""));
	TickFrames(1);
	EXPECT_FALSE(Shows(Window, "\"Packing\""));
	TickFrames(29);
	EXPECT_TRUE(Shows(Window, "\"Submitting\""));
	TickFrames(1);
	EXPECT_FALSE(Shows(Window, "\"Submitting\""));
}

TEST(SlateNotifications, ANotificationIsDrawnInTheBottomRightCorner)
{
	const FHeadlessWindow Window = NotificationWindow();
	FNotificationInfo Info(Text("Cooking Arena"));
	Info.bFireAndForget = false;
	Info.ButtonDetails.Add(FNotificationButtonInfo(Text("Cancel"), Text("Stops the cook"), FSimpleDelegate()));
	Info.Hyperlink = FSimpleDelegate::CreateLambda([] {});
	const TSharedPtr<SNotificationItem> Item = FSlateNotificationManager::Get().AddNotification(Info);
	const TSharedRef<SWidget> ItemWidget = StaticCastSharedRef<SWidget>(Item.ToSharedRef());
	const FRgba Background = Standin::Slate::ToRgba(Standin::Slate::Look::WindowBackground);
	const FRgba Panel = Standin::Slate::ToRgba(Standin::Slate::Look::PanelBackground);

	// It fades in over half a second: at first nothing of it is drawn.
	const FGeometry Rect = GeometryOf(Window, ItemWidget);
	const int InsideX = static_cast<int>(Rect.AbsolutePosition.X) + 5, InsideY = static_cast<int>(Rect.AbsolutePosition.Y) + 5;
	EXPECT_EQ(Window.Render().At(InsideX, InsideY), Background);
	TickFrames(30);

	// Written for a person to look at, next to the other pictures of the Slate tests.
	const std::filesystem::path Shot = std::filesystem::path(LEVELWRIGHT_BUILD_DIR) / "Tests" / "SlateOutput" / "notification.png";
	std::string Error;
	Item->SetCompletionState(SNotificationItem::CS_Pending);
	ASSERT_TRUE(Window.Screenshot(Shot, Error)) << Error;
	Item->SetCompletionState(SNotificationItem::CS_None);

	const FImage Image = Window.Render();
	// 15 units from the right and bottom edges of the window, over the window's background.
	EXPECT_FLOAT_EQ(Rect.AbsolutePosition.X + Rect.Size.X, 1024 - 15);
	EXPECT_FLOAT_EQ(Rect.AbsolutePosition.Y + Rect.Size.Y, 640 - 15);
	EXPECT_EQ(Image.At(InsideX, InsideY), Panel);
	EXPECT_EQ(Image.At(static_cast<int>(Rect.AbsolutePosition.X) - 3, InsideY), Background);
	EXPECT_EQ(Image.At(10, 10), Background);

	// The text is drawn inside the item, in the foreground colour.
	int TextInk = 0;
	for (int Y = static_cast<int>(Rect.AbsolutePosition.Y); Y < static_cast<int>(Rect.AbsolutePosition.Y + Rect.Size.Y); ++Y)
	{
		for (int X = static_cast<int>(Rect.AbsolutePosition.X); X < static_cast<int>(Rect.AbsolutePosition.X + Rect.Size.X); ++X)
		{
			TextInk += Image.At(X, Y).R > 180 ? 1 : 0;
		}
	}
	EXPECT_GT(TextInk, 50);

	// A failure shows the red mark to the right of the text (the item grows to hold it).
	Item->SetCompletionState(SNotificationItem::CS_Fail);
	const FImage Failed = Window.Render();
	int Red = 0;
	for (int X = 512; X < 1024; ++X)
	{
		for (int Y = 320; Y < 640; ++Y)
		{
			const FRgba P = Failed.At(X, Y);
			Red += P.R > 180 && P.G < 120 ? 1 : 0;
		}
	}
	EXPECT_GT(Red, 10);
}
