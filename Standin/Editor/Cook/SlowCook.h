// LEVELWRIGHT_COOK_SECONDS=<n>: a cook that takes at least n seconds, says so about once a second, and
// runs one worker process beside it for as long as it cooks, as a real cook runs its shader compile
// workers. It lets tests watch a cook while it runs and show that a cancel ends the whole process tree.
#pragma once

#include <chrono>
#include <optional>

#include <sys/types.h>

namespace Standin::Editor::Cook
{
class FSlowCook
{
public:
	FSlowCook() = default;
	FSlowCook(const FSlowCook&) = delete;
	FSlowCook& operator=(const FSlowCook&) = delete;
	// Ends the worker on every way out of the cook.
	~FSlowCook();

	// Reads the variable. False, with a LogCook: Error line, when it is set to anything but a whole
	// number of seconds from 0 to MaxSeconds. Unset: the cook is not slowed and starts no worker.
	bool ReadSetting();
	// Starts the clock and the worker ("UE4Editor.exe -CookWorker=<limit>"); false, with an error
	// line, when the worker cannot be started.
	bool Start();
	// Prints "Cooking... (k s)" each second (flushed at once) until n seconds have passed since Start.
	void WaitOut() const;
	// Ends the worker and waits for it.
	void Stop();

	static constexpr long MaxSeconds = 86400;

private:
	std::optional<long> Seconds;
	std::chrono::steady_clock::time_point Started;
	pid_t Worker = -1;
};

// The worker's command line: the program and this one switch.
bool IsCookWorkerSwitch(const char* Argument);
// The worker: does nothing until a signal ends it, or at the latest until the limit its switch names
// (the seconds of the cook plus a margin), so that a worker whose cook was killed alone cannot stay forever.
int RunCookWorker(const char* Argument);
} // namespace Standin::Editor::Cook
