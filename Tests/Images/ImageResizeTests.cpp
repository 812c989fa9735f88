// FImageUtils::ImageResize as the engine has it: the averaging filter with its shared block edges and
// truncation, the size the caller chose, and the engine's fatal checks.
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

#include "ImageUtils.h"

namespace
{
void SendStdoutToStderr()
{
	std::fflush(stdout);
	::dup2(STDERR_FILENO, STDOUT_FILENO);
}

// Red carries the pixel's own value; the other channels are fixed, so mixing them up shows.
TArray<FColor> MakeRedRamp(int32 SizeX, int32 SizeY, int32 (*Red)(int32 X, int32 Y))
{
	TArray<FColor> Pixels;
	for (int32 Y = 0; Y < SizeY; ++Y)
	{
		for (int32 X = 0; X < SizeX; ++X)
		{
			Pixels.Add(FColor(static_cast<uint8>(Red(X, Y)), 20, 30, 255));
		}
	}
	return Pixels;
}
} // namespace

// 4x4 to 2x2: a step of 2, each block from the rounded start to the rounded end, both included, so the
// first block of each row and column takes three pixels (0..2) and the second two (2..3).
TEST(ImageResize, EachPixelAveragesItsBlockWithSharedEdges)
{
	const TArray<FColor> Source = MakeRedRamp(4, 4, [](int32 X, int32 Y) { return (X + 4 * Y) * 10; });
	TArray<FColor> Scaled;
	FImageUtils::ImageResize(4, 4, Source, 2, 2, Scaled, false);

	ASSERT_EQ(Scaled.Num(), 4);
	EXPECT_EQ(Scaled[0].R, 50);	 // x 0..2, y 0..2
	EXPECT_EQ(Scaled[1].R, 65);	 // x 2..3, y 0..2
	EXPECT_EQ(Scaled[2].R, 110); // x 0..2, y 2..3
	EXPECT_EQ(Scaled[3].R, 125); // x 2..3, y 2..3
	for (const FColor& Pixel : Scaled)
	{
		EXPECT_EQ(Pixel.G, 20);
		EXPECT_EQ(Pixel.B, 30);
		EXPECT_EQ(Pixel.A, 255);
	}
}

TEST(ImageResize, TheMeanIsTruncatedNotRounded)
{
	const TArray<FColor> Source = MakeRedRamp(2, 1, [](int32 X, int32) { return X == 0 ? 0 : 1; });
	TArray<FColor> Scaled;
	FImageUtils::ImageResize(2, 1, Source, 1, 1, Scaled, false);
	ASSERT_EQ(Scaled.Num(), 1);
	EXPECT_EQ(Scaled[0].R, 0) << "the mean 0.5 truncates to 0";
}

TEST(ImageResize, TheDestinationHasTheSizeTheCallerChose)
{
	const TArray<FColor> Source = MakeRedRamp(37, 23, [](int32, int32) { return 77; });
	TArray<FColor> Scaled;
	Scaled.Add(FColor(1, 2, 3, 4));
	FImageUtils::ImageResize(37, 23, Source, 10, 7, Scaled, false);
	ASSERT_EQ(Scaled.Num(), 70) << "the destination is replaced, not appended to";
	for (const FColor& Pixel : Scaled)
	{
		EXPECT_EQ(Pixel, FColor(77, 20, 30, 255)) << "a plain image stays plain";
	}
}

TEST(ImageResize, ShortSourceDataFailsTheArraysIndexCheck)
{
	const TArray<FColor> Source = MakeRedRamp(4, 3, [](int32, int32) { return 1; });
	TArray<FColor> Scaled;
	EXPECT_DEATH(
		{
			SendStdoutToStderr();
			FImageUtils::ImageResize(4, 4, Source, 2, 2, Scaled, false);
		},
		"Array index out of bounds: 12 from an array of size 12");
}

TEST(ImageResize, LinearSpaceIsNotPretended)
{
	const TArray<FColor> Source = MakeRedRamp(2, 2, [](int32, int32) { return 1; });
	TArray<FColor> Scaled;
	EXPECT_DEATH(
		{
			SendStdoutToStderr();
			FImageUtils::ImageResize(2, 2, Source, 1, 1, Scaled, true);
		},
		"averages in gamma space only");
}
