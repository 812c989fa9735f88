// A small fixed pool of background threads running tasks in the order they were queued.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace Standin::Async
{
class FWorkerPool
{
public:
	// Between 2 and 4 threads, by the number of cores, unless a count is given.
	static size_t DefaultThreadCount();

	explicit FWorkerPool(size_t ThreadCount = DefaultThreadCount());
	FWorkerPool(const FWorkerPool&) = delete;
	FWorkerPool& operator=(const FWorkerPool&) = delete;
	// Shuts down (see Shutdown).
	~FWorkerPool();

	// Queues a task; tasks start in the order they were queued. After Shutdown a task is dropped
	// with a message on stderr.
	void Enqueue(std::function<void()> Task);

	// True when no task is queued or running.
	bool IsIdle() const;

	// How many tasks wait to start.
	size_t QueuedCount() const;

	// Blocks until no task is queued or running.
	void WaitUntilIdle() const;

	// Lets the running tasks finish, drops the queued ones (saying how many on stderr) and joins
	// the threads. Called again, it does nothing.
	void Shutdown();

private:
	void WorkerLoop();

	mutable std::mutex Mutex;
	std::condition_variable WorkAvailable;
	mutable std::condition_variable BecameIdle;
	std::deque<std::function<void()>> Queue;
	size_t Running = 0;
	bool bStopping = false;
	std::vector<std::thread> Threads;
};
} // namespace Standin::Async
