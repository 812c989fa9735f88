#include "WindowTest.h"

#include "Standin/SlateWindow.h"
#include "Standin/StringUtf8.h"

namespace LevelwrightTest
{
FLevelwrightModule& FWindowTest::StartWorkshopMode()
{
	FLevelwrightModule& Started = StartModule();
	EXPECT_NE(Started.WorkshopMap, nullptr);
	return Started;
}

FLevelwrightModule& FWindowTest::StartWithoutSteam(bool bAnswerYes)
{
	Machine.SetClient("running", "false");
	Standin::Dialogs::QueueAnswer(bAnswerYes ? EAppReturnType::Yes : EAppReturnType::No);
	FLevelwrightModule& Started = StartModule();
	EXPECT_EQ(Started.WorkshopMap, nullptr);
	EXPECT_EQ(Started.QuarnMod != nullptr, bAnswerYes);
	return Started;
}

TSharedRef<SDrovikWorkshopWindow> FWindowTest::MakeWindow() const
{
	return SNew(SDrovikWorkshopWindow);
}

std::string FWindowTest::Describe(const TSharedRef<SWidget>& Widget)
{
	return Standin::Slate::FHeadlessWindow(Widget, FVector2D(1024, 640)).Describe();
}

std::string ToUtf8(const FText& Text)
{
	return Standin::ToUtf8(Text.ToString());
}
} // namespace LevelwrightTest
