#include "HAL/ChildProcess.h"

#include "HAL/ProcessRunner.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace Standin::Process
{
namespace
{
// Through syscall(): glibc 2.36's <sys/pidfd.h> declares its wrappers without C linkage for C++.
int OpenPidFd(pid_t Pid)
{
	return static_cast<int>(::syscall(SYS_pidfd_open, Pid, 0));
}

void SendSignal(int PidFd, int Signal)
{
	::syscall(SYS_pidfd_send_signal, PidFd, Signal, nullptr, 0);
}

// Waits for the pidfd to report the exit; a timeout of -1 waits as long as it takes.
bool PollExit(int PidFd, int TimeoutMs)
{
	pollfd Probe{PidFd, POLLIN, 0};
	for (;;)
	{
		const int Ready = ::poll(&Probe, 1, TimeoutMs);
		if (Ready >= 0 || errno != EINTR)
		{
			return Ready > 0;
		}
	}
}
} // namespace

FChild::FChild(pid_t InPid) : Pid(InPid)
{
	PidFd = OpenPidFd(Pid);
	if (PidFd < 0)
	{
		std::fprintf(stderr, "Standin: Error: cannot watch child process %d (pidfd_open: errno %d)\n", static_cast<int>(Pid), errno);
		std::abort();
	}
}

FChild::~FChild()
{
	::close(PidFd);
}

bool FChild::HasExited() const
{
	return PollExit(PidFd, 0);
}

void FChild::Wait() const
{
	PollExit(PidFd, -1);
}

bool FChild::ReapIfExited()
{
	if (bReaped)
	{
		return true;
	}
	siginfo_t Info{};
	if (::waitid(P_PIDFD, static_cast<id_t>(PidFd), &Info, WEXITED | WNOHANG) != 0 || Info.si_pid == 0)
	{
		return false;
	}
	bReaped = true;
	if (Info.si_code == CLD_EXITED)
	{
		ExitCode = Info.si_status;
	}
	else
	{
		ExitCode = bTerminated && Info.si_status == SIGKILL ? 0 : 128 + Info.si_status;
	}
	return true;
}

bool FChild::TryGetExitCode(int& OutExitCode)
{
	std::lock_guard Lock(Mutex);
	if (!ReapIfExited())
	{
		return false;
	}
	OutExitCode = ExitCode;
	return true;
}

void FChild::Terminate()
{
	std::lock_guard Lock(Mutex);
	if (!bReaped && !HasExited())
	{
		bTerminated = true;
		SendSignal(PidFd, SIGKILL);
	}
}

void FChild::ReapWhenDone()
{
	{
		std::lock_guard Lock(Mutex);
		if (ReapIfExited())
		{
			return;
		}
	}
	// The thread keeps its own pidfd: this object goes away with the handle.
	const int Watch = ::fcntl(PidFd, F_DUPFD_CLOEXEC, 0);
	if (Watch < 0)
	{
		return;
	}
	std::thread([Watch] {
		PollExit(Watch, -1);
		siginfo_t Info{};
		::waitid(P_PIDFD, static_cast<id_t>(Watch), &Info, WEXITED);
		::close(Watch);
	}).detach();
}

void TerminateDescendants(pid_t Parent)
{
	for (const pid_t Child : FindChildProcesses(Parent))
	{
		TerminateDescendants(Child);
		::kill(Child, SIGKILL);
	}
}
} // namespace Standin::Process
