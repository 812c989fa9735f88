// SProgressBar: the filled fraction or the marquee, as `show` prints it and as it is drawn.
#include "SlateTestHelpers.h"

#include "Widgets/Notifications/SProgressBar.h"

#include <gmock/gmock.h>

using namespace SlateTests;
using ::testing::HasSubstr;
using Standin::Slate::FImage;
using Standin::Slate::FRgba;

namespace
{
// A 200 x 12 bar at (0,0).
FHeadlessWindow BarWindow(const TSharedRef<SProgressBar>& Bar)
{
	return FHeadlessWindow(SNew(SOverlay) + SOverlay::Slot().HAlign(HAlign_Left).VAlign(VAlign_Top)[SNew(SBox).WidthOverride(200).HeightOverride(12)[Bar]],
						   FVector2D(220, 20));
}

int CountOf(const FImage& Image, FRgba Colour, int Left, int Right)
{
	int Count = 0;
	for (int Y = 2; Y < 10; ++Y)
	{
		for (int X = Left; X < Right; ++X)
		{
			Count += Image.At(X, Y) == Colour ? 1 : 0;
		}
	}
	return Count;
}

const FRgba Fill() { return Standin::Slate::ToRgba(Standin::Slate::Look::Accent); }
const FRgba Empty() { return Standin::Slate::ToRgba(Standin::Slate::Look::InputBackground); }
} // namespace

TEST(SlateProgressBar, ShowPrintsThePercentageOrMarquee)
{
	TOptional<float> Percent(0.4f);
	const TSharedRef<SProgressBar> Bar =
		SNew(SProgressBar).Percent(TAttribute<TOptional<float>>::Create(TAttribute<TOptional<float>>::FGetter::CreateLambda([&] { return Percent; })));
	const FHeadlessWindow Window = BarWindow(Bar);
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) 40%\n"));
	Percent = 0.333f;
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) 33%\n"));
	// Outside 0..1 it is clamped.
	Percent = 1.7f;
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) 100%\n"));
	Percent = -0.2f;
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) 0%\n"));
	Percent.Reset();
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) marquee\n"));
	// Every fill direction fills the same share.
	Percent = 0.25f;
	Bar->SetBarFillType(EProgressBarFillType::FillFromCenter);
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) 25%\n"));
	Bar->SetBarFillType(EProgressBarFillType::BottomToTop);
	EXPECT_THAT(Window.Describe(), HasSubstr("SProgressBar (0,0 200x12) 25%\n"));
}

TEST(SlateProgressBar, TheFilledFractionIsDrawnFromTheLeft)
{
	const TSharedRef<SProgressBar> Bar = SNew(SProgressBar).Percent(0.25f);
	const FImage Image = BarWindow(Bar).Render();
	// One unit of border padding on each side: a quarter of the 198 units inside is filled.
	EXPECT_EQ(Image.At(10, 6), Fill());
	EXPECT_EQ(Image.At(48, 6), Fill());
	EXPECT_EQ(Image.At(53, 6), Empty());
	EXPECT_EQ(Image.At(150, 6), Empty());
	EXPECT_EQ(CountOf(Image, Fill(), 100, 199), 0);
}

TEST(SlateProgressBar, WithoutAPercentAMarqueeRunsTheWholeLength)
{
	const TSharedRef<SProgressBar> Bar = SNew(SProgressBar);
	const FImage Image = BarWindow(Bar).Render();
	// Stripes of the fill colour across the whole bar, with the background between them.
	EXPECT_GT(CountOf(Image, Fill(), 2, 50), 50);
	EXPECT_GT(CountOf(Image, Fill(), 150, 198), 50);
	EXPECT_GT(CountOf(Image, Empty(), 150, 198), 50);
	// The marquee stays inside the bar.
	EXPECT_EQ(Image.At(205, 6), Standin::Slate::ToRgba(Standin::Slate::Look::WindowBackground));
}
