#include "ImageUtils.h"

#include <algorithm>

namespace
{
// The engine's TArray index check, which its resize loop meets when SrcData is shorter than the size says.
const FColor& ReadPixel(const TArray<FColor>& Pixels, int32 Index)
{
	checkf((Index >= 0) & (Index < Pixels.Num()), TEXT("Array index out of bounds: %i from an array of size %i"), Index, Pixels.Num());
	return Pixels[Index];
}

// The source index of a block edge: the position rounded by truncating position + 0.5, then clamped to
// the image as FMath::Clamp does (an empty image gives -1, which the index check then refuses).
int32 ToSourceIndex(float Position, int32 Size)
{
	const int32 Index = static_cast<int32>(Position + 0.5f);
	return Index < 0 ? 0 : (Index < Size - 1 ? Index : Size - 1);
}

FColor AverageBlock(const TArray<FColor>& SrcData, int32 SrcWidth, int32 FirstX, int32 LastX, int32 FirstY, int32 LastY)
{
	float Sum[4] = {0.0f, 0.0f, 0.0f, 0.0f};
	int32 Count = 0;
	for (int32 X = FirstX; X <= LastX; ++X)
	{
		for (int32 Y = FirstY; Y <= LastY; ++Y)
		{
			const FColor& Pixel = ReadPixel(SrcData, X + Y * SrcWidth);
			Sum[0] += static_cast<float>(Pixel.R);
			Sum[1] += static_cast<float>(Pixel.G);
			Sum[2] += static_cast<float>(Pixel.B);
			Sum[3] += static_cast<float>(Pixel.A);
			++Count;
		}
	}
	uint8 Channel[4];
	for (int32 Index = 0; Index < 4; ++Index)
	{
		Channel[Index] = static_cast<uint8>(std::clamp(static_cast<int32>(Sum[Index] / static_cast<float>(Count)), 0, 255));
	}
	return FColor(Channel[0], Channel[1], Channel[2], Channel[3]);
}
} // namespace

void FImageUtils::ImageResize(int32 SrcWidth, int32 SrcHeight, const TArray<FColor>& SrcData, int32 DstWidth, int32 DstHeight,
							  TArray<FColor>& DstData, bool bLinearSpace)
{
	checkf(!bLinearSpace, TEXT("The stand-in's FImageUtils::ImageResize averages in gamma space only (bLinearSpace false)"));
	DstData.Empty(DstWidth * DstHeight);
	DstData.AddZeroed(DstWidth * DstHeight);

	const float StepSizeX = static_cast<float>(SrcWidth) / static_cast<float>(DstWidth);
	const float StepSizeY = static_cast<float>(SrcHeight) / static_cast<float>(DstHeight);
	float SrcY = 0.0f;
	for (int32 Y = 0; Y < DstHeight; ++Y)
	{
		float SrcX = 0.0f;
		for (int32 X = 0; X < DstWidth; ++X)
		{
			const float EndPosX = SrcX + StepSizeX;
			const float EndPosY = SrcY + StepSizeY;
			DstData[X + Y * DstWidth] = AverageBlock(SrcData, SrcWidth, ToSourceIndex(SrcX, SrcWidth), ToSourceIndex(EndPosX, SrcWidth),
													 ToSourceIndex(SrcY, SrcHeight), ToSourceIndex(EndPosY, SrcHeight));
			SrcX = EndPosX;
		}
		SrcY += StepSizeY;
	}
}
