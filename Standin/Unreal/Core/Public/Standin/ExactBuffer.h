// Stand-in only (not engine API): memory of exactly a given size after which nothing can be read.
//
// The engine's length-taking string conversions leave their buffer unterminated; code that reads one
// as a C string reads past its end, and in the engine may stop at a zero byte by luck. Here such a
// read fails at once:
// - under AddressSanitizer the bytes are an exactly sized heap block, so the sanitizer reports the
//   over-read (heap-buffer-overflow);
// - otherwise they are placed at the very end of private pages that an inaccessible guard page
//   follows, so the first byte read past the end faults (SIGSEGV).
#pragma once

#include <cstddef>

namespace Standin
{
class FExactBuffer
{
public:
	FExactBuffer() = default;
	// A copy of Size bytes from Bytes (Size may be 0: Get() is then valid but nothing may be read).
	FExactBuffer(const void* Bytes, std::size_t Size);
	~FExactBuffer();
	FExactBuffer(const FExactBuffer&) = delete;
	FExactBuffer& operator=(const FExactBuffer&) = delete;
	FExactBuffer(FExactBuffer&& Other) noexcept;
	FExactBuffer& operator=(FExactBuffer&& Other) noexcept;

	// The first byte; null for a default-constructed buffer.
	void* Get() const { return Data; }

private:
	void Release();

	void* Data = nullptr;
	// What was allocated (the mapping including its guard page, or the heap block).
	void* Block = nullptr;
	std::size_t BlockSize = 0;
};
} // namespace Standin
