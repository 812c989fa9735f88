// Shared pointers across threads. A ThreadSafe pointer may be copied, pinned and released on many
// threads at once: its object lives exactly as long as some reference does and dies once. A Fast
// pointer may not: its counts are plain integers, and two threads that count on them without a lock
// race. That race is undefined behaviour, so no assertion can show it; ThreadSanitizer can, and under
// it the last test shows the report.
#include <atomic>
#include <cstdlib>
#include <latch>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "Standin/Sanitizers.h"
#include "Templates/SharedPointer.h"

namespace
{
constexpr int32 ThreadCount = 8;

class FSharedAcrossThreads : public TSharedFromThis<FSharedAcrossThreads, ESPMode::ThreadSafe>
{
public:
	explicit FSharedAcrossThreads(std::atomic<int32>& InDestroyed) : Destroyed(InDestroyed) {}
	~FSharedAcrossThreads() { ++Destroyed; }

	const int32 Value = 7;

private:
	std::atomic<int32>& Destroyed;
};
using FSafePtr = TSharedPtr<FSharedAcrossThreads, ESPMode::ThreadSafe>;
using FSafeRef = TSharedRef<FSharedAcrossThreads, ESPMode::ThreadSafe>;
using FSafeWeak = TWeakPtr<FSharedAcrossThreads, ESPMode::ThreadSafe>;

// Runs Body(Index) on ThreadCount threads that all start together.
template <typename BodyType>
void RunTogether(BodyType Body)
{
	std::latch Start(ThreadCount);
	std::vector<std::thread> Threads;
	for (int32 Index = 0; Index < ThreadCount; ++Index)
	{
		Threads.emplace_back([&Start, &Body, Index] {
			Start.arrive_and_wait();
			Body(Index);
		});
	}
	for (std::thread& Thread : Threads)
	{
		Thread.join();
	}
}
} // namespace

TEST(SharedPointerThreads, AThreadSafePointerCopiedOnManyThreadsAtOnceKeepsItsCount)
{
	std::atomic<int32> Destroyed{0};
	FSafePtr Shared = MakeShared<FSharedAcrossThreads, ESPMode::ThreadSafe>(Destroyed);
	const FSafeWeak Weak = Shared;
	std::atomic<int64> Total{0};

	RunTogether([&](int32) {
		int64 Sum = 0;
		for (int32 Round = 0; Round < 5000; ++Round)
		{
			const FSafePtr Copy = Shared;
			const FSafeRef Pinned = Weak.Pin().ToSharedRef();
			const FSafeRef Self = Copy->AsShared();
			const FSafeWeak WeakCopy = Self;
			Sum += Copy->Value + Pinned->Value + WeakCopy.Pin()->Value;
		}
		Total += Sum;
	});

	EXPECT_EQ(Total.load(), int64{ThreadCount} * 5000 * 21) << "every copy reached the object";
	EXPECT_EQ(Shared.GetSharedReferenceCount(), 1) << "every copy was counted and released";
	EXPECT_EQ(Destroyed.load(), 0);
	Shared.Reset();
	EXPECT_EQ(Destroyed.load(), 1);
	EXPECT_FALSE(Weak.IsValid());
}

TEST(SharedPointerThreads, TheLastOfManyThreadsToLetGoDestroysTheObjectOnce)
{
	std::atomic<int32> Destroyed{0};
	for (int32 Trial = 1; Trial <= 100; ++Trial)
	{
		FSafePtr Shared = MakeShared<FSharedAcrossThreads, ESPMode::ThreadSafe>(Destroyed);
		const FSafeWeak Weak = Shared;
		std::vector<FSafePtr> Copies(ThreadCount, Shared);
		Shared.Reset();
		std::atomic<int32> BadPins{0};

		// Each thread lets go of its copy, then tries to pin: a pin may only succeed while another
		// thread still holds a reference, and never brings a dead object back.
		RunTogether([&](int32 Index) {
			Copies[Index].Reset();
			if (const FSafePtr Pinned = Weak.Pin())
			{
				BadPins += Pinned->Value == 7 ? 0 : 1;
			}
		});

		ASSERT_EQ(Destroyed.load(), Trial) << "destroyed once, by whichever thread let go last";
		EXPECT_EQ(BadPins.load(), 0);
		EXPECT_FALSE(Weak.IsValid());
	}
}

TEST(SharedPointerThreadsDeathTest, ThreadSanitizerReportsTwoThreadsCountingOnAFastPointer)
{
	if (!STANDIN_THREAD_SANITIZER)
	{
		GTEST_SKIP() << "the race is seen by ThreadSanitizer only; without it, it is undefined behaviour";
	}
	const auto CopyAndReleaseOnTwoThreads = [](const auto& Shared) {
		const auto CopyAndRelease = [&Shared] { const auto Copy = Shared; };
		std::thread First(CopyAndRelease);
		std::thread Second(CopyAndRelease);
		First.join();
		Second.join();
	};

	// Nothing orders the two threads' counting, so ThreadSanitizer reports it whatever the timing.
	// It ends the process at its report when told to halt on errors; otherwise the exit ends it.
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	EXPECT_DEATH(
		{
			CopyAndReleaseOnTwoThreads(MakeShared<int32>(1));
			std::_Exit(1);
		},
		"ThreadSanitizer: data race");

	// The same with a ThreadSafe pointer is no race: ThreadSanitizer would fail this test if it were.
	std::atomic<int32> Destroyed{0};
	const FSafeRef Shared = MakeShared<FSharedAcrossThreads, ESPMode::ThreadSafe>(Destroyed);
	CopyAndReleaseOnTwoThreads(Shared);
	EXPECT_TRUE(Shared.IsUnique());
}
