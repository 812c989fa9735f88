// The background worker pool: every task runs once, in queue order, and idleness is exact.
#include "Async/WorkerPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>

using Standin::Async::FWorkerPool;

TEST(WorkerPool, RunsEveryTaskExactlyOnce)
{
	constexpr int TaskCount = 5000;
	std::vector<std::atomic<int>> Runs(TaskCount);
	FWorkerPool Pool(3);
	for (int Index = 0; Index < TaskCount; ++Index)
	{
		Pool.Enqueue([&Runs, Index] { ++Runs[Index]; });
	}
	Pool.WaitUntilIdle();
	EXPECT_TRUE(Pool.IsIdle());
	for (int Index = 0; Index < TaskCount; ++Index)
	{
		ASSERT_EQ(Runs[Index].load(), 1) << "task " << Index;
	}
}

TEST(WorkerPool, StartsTasksInQueueOrder)
{
	std::vector<int> Order;
	FWorkerPool Pool(1);
	for (int Index = 0; Index < 100; ++Index)
	{
		Pool.Enqueue([&Order, Index] { Order.push_back(Index); });
	}
	Pool.WaitUntilIdle();
	ASSERT_EQ(Order.size(), 100u);
	for (int Index = 0; Index < 100; ++Index)
	{
		EXPECT_EQ(Order[Index], Index);
	}
}

TEST(WorkerPool, IsNotIdleWhileATaskRunsOrWaits)
{
	FWorkerPool Pool(2);
	EXPECT_TRUE(Pool.IsIdle());
	std::promise<void> Release;
	std::shared_future<void> Released = Release.get_future().share();
	std::promise<void> Started;
	Pool.Enqueue([&Started, Released] {
		Started.set_value();
		Released.wait();
	});
	Started.get_future().wait();
	EXPECT_FALSE(Pool.IsIdle()) << "a task is running";
	Release.set_value();
	Pool.WaitUntilIdle();
	EXPECT_TRUE(Pool.IsIdle());

	// Queued behind two blocked tasks, a third keeps the pool busy too.
	std::promise<void> ReleaseAgain;
	std::shared_future<void> ReleasedAgain = ReleaseAgain.get_future().share();
	std::atomic<int> Done = 0;
	for (int Index = 0; Index < 3; ++Index)
	{
		Pool.Enqueue([ReleasedAgain, &Done] {
			ReleasedAgain.wait();
			++Done;
		});
	}
	EXPECT_FALSE(Pool.IsIdle());
	ReleaseAgain.set_value();
	Pool.WaitUntilIdle();
	EXPECT_EQ(Done.load(), 3);
}

TEST(WorkerPool, IdleMeansTheTasksCapturesAreReleased)
{
	auto Resource = std::make_shared<int>(7);
	std::weak_ptr<int> Watch = Resource;
	FWorkerPool Pool(2);
	Pool.Enqueue([Held = std::move(Resource)] { EXPECT_EQ(*Held, 7); });
	Pool.WaitUntilIdle();
	EXPECT_TRUE(Watch.expired());
}

TEST(WorkerPool, ShutdownFinishesRunningTasksAndDropsQueuedOnes)
{
	std::atomic<int> Ran = 0;
	std::promise<void> Started;
	std::promise<void> Release;
	std::shared_future<void> Released = Release.get_future().share();
	auto Pool = std::make_unique<FWorkerPool>(1);
	Pool->Enqueue([&] {
		Started.set_value();
		Released.wait();
		++Ran;
	});
	Pool->Enqueue([&] { Ran += 100; });
	Started.get_future().wait();
	ASSERT_EQ(Pool->QueuedCount(), 1u);
	// The blocked task is let go once Shutdown has taken the queue.
	std::thread Releaser([&] {
		while (Pool->QueuedCount() != 0)
		{
			std::this_thread::yield();
		}
		Release.set_value();
	});
	Pool->Shutdown();
	Releaser.join();
	EXPECT_EQ(Ran.load(), 1) << "the running task finished, the queued one was dropped";
	Pool->Enqueue([&] { Ran += 1000; });
	Pool.reset();
	EXPECT_EQ(Ran.load(), 1);
}
