// AsyncTask: background threads go to the worker pool, the game thread to a queue that the editor's
// frame drains.
#include "Async/Async.h"

#include "Async/WorkerPool.h"
#include "Standin/AsyncStandin.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace Standin::Async
{
namespace
{
class FGameThreadQueue
{
public:
	void Enqueue(std::function<void()> Task)
	{
		std::lock_guard Lock(Mutex);
		Tasks.push_back(std::move(Task));
	}

	bool IsEmpty() const
	{
		std::lock_guard Lock(Mutex);
		return Tasks.empty() && Running == 0;
	}

	void RunQueued()
	{
		std::deque<std::function<void()>> Batch;
		{
			std::lock_guard Lock(Mutex);
			Batch.swap(Tasks);
			Running += Batch.size();
		}
		for (std::function<void()>& Task : Batch)
		{
			Task();
			Task = nullptr;
			std::lock_guard Lock(Mutex);
			--Running;
		}
	}

private:
	mutable std::mutex Mutex;
	std::deque<std::function<void()>> Tasks;
	size_t Running = 0;
};

// One per process, made on first use and torn down at exit. The pool is declared last, so it is
// shut down (its running tasks finished, its queued ones dropped) while the game thread queue
// they may still post to is alive.
struct FAsyncState
{
	FGameThreadQueue GameThread;
	FWorkerPool Pool;
};

FAsyncState& State()
{
	static FAsyncState Instance;
	return Instance;
}
} // namespace

bool IsIdle()
{
	// The pool first: once its tasks are done, whatever they posted to the game thread is queued.
	return State().Pool.IsIdle() && State().GameThread.IsEmpty();
}

bool AreWorkersIdle()
{
	return State().Pool.IsIdle();
}

void RunGameThreadTasks()
{
	State().GameThread.RunQueued();
}
} // namespace Standin::Async

void AsyncTask(ENamedThreads::Type Thread, TFunction<void()> Function)
{
	const ENamedThreads::Type Index = ENamedThreads::GetThreadIndex(Thread);
	if (Index == ENamedThreads::AnyThread)
	{
		Standin::Async::State().Pool.Enqueue(std::move(Function));
	}
	else if (Index == ENamedThreads::GameThread || Index == ENamedThreads::ActualRenderingThread)
	{
		Standin::Async::State().GameThread.Enqueue(std::move(Function));
	}
	else
	{
		std::fprintf(stderr, "Standin: Error: AsyncTask to named thread 0x%x, which the stand-in does not have\n",
					 static_cast<unsigned>(Thread));
		std::abort();
	}
}
