#include "UploadProgress.h"

#include <algorithm>
#include <cmath>

namespace SteamStandin
{
Clock::time_point UploadCourse::UploadEnd() const
{
	const std::uint64_t Total = ContentBytes + PreviewBytes;
	if (!BytesPerSecond || Total == 0)
	{
		return Clock::time_point::min();
	}
	// Capped at a century, far beyond any test, so the clock's range is never exceeded.
	const double Seconds = std::min(static_cast<double>(Total) / static_cast<double>(*BytesPerSecond), 3.2e9);
	return SubmitTime + std::chrono::ceil<Clock::duration>(std::chrono::duration<double>(Seconds));
}

UploadProgress UploadCourse::At(std::uint64_t Frame, Clock::time_point Now) const
{
	UploadProgress Out;
	Out.Total = ContentBytes + PreviewBytes;
	const std::uint64_t FramesSinceSubmission = Frame - std::min(Frame, SubmitFrame);
	if (!BytesPerSecond)
	{
		const std::uint64_t Span = std::max<std::uint64_t>(DueFrame - SubmitFrame, 1);
		const std::uint64_t Elapsed = std::min(FramesSinceSubmission, Span - 1);
		Out.Status = static_cast<EItemUpdateStatus>(
			std::min<std::uint64_t>(1 + Elapsed * 5 / Span, k_EItemUpdateStatusCommittingChanges));
		Out.Processed = Out.Total * Elapsed / Span;
		return Out;
	}
	if (Now >= UploadEnd())
	{
		Out.Processed = Out.Total;
	}
	else
	{
		const double Seconds = std::chrono::duration<double>(Now - SubmitTime).count();
		const double Sent = std::floor(std::max(Seconds, 0.0) * static_cast<double>(*BytesPerSecond));
		Out.Processed = std::min(static_cast<std::uint64_t>(Sent), Out.Total - 1);
	}
	if (FramesSinceSubmission == 0)
	{
		Out.Status = k_EItemUpdateStatusPreparingConfig;
	}
	else if (FramesSinceSubmission == 1)
	{
		Out.Status = k_EItemUpdateStatusPreparingContent;
	}
	else if (Out.Processed < ContentBytes)
	{
		Out.Status = k_EItemUpdateStatusUploadingContent;
	}
	else if (Out.Processed < Out.Total)
	{
		Out.Status = k_EItemUpdateStatusUploadingPreviewFile;
	}
	else
	{
		Out.Status = k_EItemUpdateStatusCommittingChanges;
	}
	return Out;
}
} // namespace SteamStandin
