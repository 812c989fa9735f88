// FImageUtils: the engine's image helpers; the stand-in has the one the plugin calls, ImageResize.
#pragma once

#include "CoreMinimal.h"

class FImageUtils
{
public:
	// Resizes SrcData (SrcWidth x SrcHeight, row after row) to DstWidth x DstHeight into DstData with the
	// engine's simple averaging filter: each destination pixel is the truncated mean of the source
	// block from its rounded start to its rounded end, both ends included, so neighbouring blocks share
	// an edge. The caller chooses the size (and so the aspect). Reading past SrcData is the array's
	// fatal index check, as in the engine. The stand-in averages in gamma space only: bLinearSpace true
	// fails a check.
	static void ImageResize(int32 SrcWidth, int32 SrcHeight, const TArray<FColor>& SrcData, int32 DstWidth, int32 DstHeight,
							TArray<FColor>& DstData, bool bLinearSpace);
};
