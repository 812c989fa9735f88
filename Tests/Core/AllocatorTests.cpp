// The engine processes' allocator: large blocks freed by one step serve the next. Sanitizer builds
// keep their own allocator, so the case does not apply there.
#include <cstring>
#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "Standin/Sanitizers.h"

namespace
{
constexpr bool bOwnAllocator = !STANDIN_ADDRESS_SANITIZER && !STANDIN_THREAD_SANITIZER;

constexpr std::size_t MiB = std::size_t(1) << 20;
} // namespace

TEST(Allocator, AFreedLargeBlockServesTheNextRequestOfAboutItsSize)
{
	if (!bOwnAllocator)
	{
		GTEST_SKIP() << "sanitizer builds use the sanitizer's allocator";
	}
	char* First = new char[40 * MiB];
	std::memset(First, 0x5A, 40 * MiB);
	delete[] First;
	char* Second = new char[36 * MiB];
	EXPECT_EQ(Second, First) << "the freed 40 MiB block was kept and reused";
	char* Larger = new char[100 * MiB];
	EXPECT_NE(Larger, First);
	std::memset(Larger, 1, 100 * MiB);
	delete[] Larger;
	delete[] Second;
	char* Small = new char[12 * MiB];
	EXPECT_NE(Small, First) << "a block more than twice the request is not handed out";
	delete[] Small;
}
