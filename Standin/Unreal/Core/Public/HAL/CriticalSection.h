#pragma once

#include <mutex>

class FCriticalSection
{
public:
	void Lock() { Mutex.lock(); }
	void Unlock() { Mutex.unlock(); }
	bool TryLock() { return Mutex.try_lock(); }

private:
	std::recursive_mutex Mutex;
};
