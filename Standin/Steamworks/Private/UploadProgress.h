// The course of one submitted update, as GetItemUpdateProgress reports it.
//
// Without an upload rate (client.json "uploadBytesPerSecond" absent) the statuses 1 to 5 and the
// bytes are spread over the frames until the result. With a rate the bytes go out from the
// submission on, content first and the preview after it, at that rate: PreparingConfig until the
// first frame, PreparingContent until the second, then UploadingContent, UploadingPreviewFile and,
// once every byte is out, CommittingChanges until the result arrives.
#pragma once

#include "CallQueue.h"
#include "steam/isteamugc.h"

#include <cstdint>
#include <optional>

namespace SteamStandin
{
struct UploadProgress
{
	EItemUpdateStatus Status = k_EItemUpdateStatusInvalid;
	std::uint64_t Processed = 0;
	std::uint64_t Total = 0;
};

struct UploadCourse
{
	std::uint64_t SubmitFrame = 0;
	std::uint64_t DueFrame = 0;
	Clock::time_point SubmitTime;
	std::uint64_t ContentBytes = 0;
	std::uint64_t PreviewBytes = 0;
	std::optional<std::uint64_t> BytesPerSecond;

	// When the last byte is out; the earliest time there is (nothing to wait for) without a rate or
	// without bytes.
	Clock::time_point UploadEnd() const;

	// The progress in frame Frame (SteamAPI_RunCallbacks calls so far) at time Now.
	UploadProgress At(std::uint64_t Frame, Clock::time_point Now) const;
};
} // namespace SteamStandin
