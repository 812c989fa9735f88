#include "Async/WorkerPool.h"

#include <algorithm>
#include <cstdio>

namespace Standin::Async
{
size_t FWorkerPool::DefaultThreadCount()
{
	return std::clamp<size_t>(std::thread::hardware_concurrency(), 2, 4);
}

FWorkerPool::FWorkerPool(size_t ThreadCount)
{
	Threads.reserve(ThreadCount);
	for (size_t Index = 0; Index < std::max<size_t>(ThreadCount, 1); ++Index)
	{
		Threads.emplace_back([this] { WorkerLoop(); });
	}
}

FWorkerPool::~FWorkerPool()
{
	Shutdown();
}

void FWorkerPool::Enqueue(std::function<void()> Task)
{
	{
		std::lock_guard Lock(Mutex);
		if (!bStopping)
		{
			Queue.push_back(std::move(Task));
			WorkAvailable.notify_one();
			return;
		}
	}
	std::fprintf(stderr, "Standin: Warning: a background task queued after shut-down was dropped\n");
}

bool FWorkerPool::IsIdle() const
{
	std::lock_guard Lock(Mutex);
	return Queue.empty() && Running == 0;
}

size_t FWorkerPool::QueuedCount() const
{
	std::lock_guard Lock(Mutex);
	return Queue.size();
}

void FWorkerPool::WaitUntilIdle() const
{
	std::unique_lock Lock(Mutex);
	BecameIdle.wait(Lock, [this] { return Queue.empty() && Running == 0; });
}

void FWorkerPool::Shutdown()
{
	std::deque<std::function<void()>> Dropped;
	{
		std::lock_guard Lock(Mutex);
		bStopping = true;
		Dropped.swap(Queue);
		WorkAvailable.notify_all();
		BecameIdle.notify_all();
	}
	if (!Dropped.empty())
	{
		std::fprintf(stderr, "Standin: Warning: %zu queued background task(s) dropped at shut-down\n", Dropped.size());
	}
	for (std::thread& Thread : Threads)
	{
		// A worker that ends the process (exit() from a task) cannot join itself.
		if (Thread.get_id() == std::this_thread::get_id())
		{
			Thread.detach();
		}
		else if (Thread.joinable())
		{
			Thread.join();
		}
	}
	Threads.clear();
}

void FWorkerPool::WorkerLoop()
{
	std::unique_lock Lock(Mutex);
	for (;;)
	{
		WorkAvailable.wait(Lock, [this] { return bStopping || !Queue.empty(); });
		if (bStopping)
		{
			return;
		}
		std::function<void()> Task = std::move(Queue.front());
		Queue.pop_front();
		++Running;
		Lock.unlock();
		Task();
		// The task's captures go before it counts as done, so that idle means nothing is held.
		Task = nullptr;
		Lock.lock();
		--Running;
		if (Queue.empty() && Running == 0)
		{
			BecameIdle.notify_all();
		}
	}
}
} // namespace Standin::Async
