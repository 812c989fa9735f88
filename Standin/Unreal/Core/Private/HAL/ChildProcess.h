// A child process started for FPlatformProcess::CreateProc, in plain C++.
//
// The child is held by a pidfd, so it can be watched without reaping it and signalled without ever
// reaching another process that later got its id. Every member may be called from any thread.
#pragma once

#include <mutex>
#include <sys/types.h>

namespace Standin::Process
{
class FChild
{
public:
	// Takes over a child this process started and has not waited for. Aborts when the kernel cannot
	// give a pidfd for it.
	explicit FChild(pid_t InPid);
	~FChild();
	FChild(const FChild&) = delete;
	FChild& operator=(const FChild&) = delete;

	pid_t GetPid() const { return Pid; }
	bool HasExited() const;
	// Blocks until the child has exited.
	void Wait() const;
	// The exit code once the child has exited (a signal gives 128 + its number; a child ended by
	// Terminate gives 0, as TerminateProcess(Handle, 0) leaves it on Windows); false while it runs.
	bool TryGetExitCode(int& OutExitCode);
	// Sends SIGKILL, unless the child has already exited.
	void Terminate();
	// When the child still runs, waits for it on a thread of its own so that it leaves no zombie.
	void ReapWhenDone();

private:
	// Collects the exit status once the child has exited; the caller holds Mutex.
	bool ReapIfExited();

	const pid_t Pid;
	int PidFd = -1;
	std::mutex Mutex;
	bool bReaped = false;
	bool bTerminated = false;
	int ExitCode = 0;
};

// Ends the processes below Parent, each one's children before itself, so that none is re-parented
// out of reach before it is found.
void TerminateDescendants(pid_t Parent);
} // namespace Standin::Process
