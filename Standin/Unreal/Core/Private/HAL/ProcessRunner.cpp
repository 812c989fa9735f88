// Starting a child with posix_spawn and collecting both of its output streams.
#include "HAL/ProcessRunner.h"

#include "Standin/Machine.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace Standin::Process
{
namespace
{
// How long output is still read once the child has exited, for a grandchild that kept a copy of the
// pipes. What the child itself wrote is already in the pipe by then and is read at once.
constexpr auto ExitGracePeriod = std::chrono::milliseconds(300);
constexpr int PollIntervalMs = 50;
// After the grace period, what is still buffered in a pipe is taken up to this much: all that the
// child wrote before it exited fits in the pipe's buffer.
constexpr size_t ReadChunk = 65536;
constexpr size_t FinalDrainLimit = size_t(1) << 20;

class FFileDescriptor
{
public:
	FFileDescriptor() = default;
	FFileDescriptor(const FFileDescriptor&) = delete;
	FFileDescriptor& operator=(const FFileDescriptor&) = delete;
	~FFileDescriptor() { Close(); }

	int Get() const { return Fd; }
	int* Receive() { return &Fd; }
	void Close()
	{
		if (Fd >= 0)
		{
			::close(Fd);
			Fd = -1;
		}
	}

private:
	int Fd = -1;
};

struct FPipe
{
	FFileDescriptor Read;
	FFileDescriptor Write;

	bool Open()
	{
		int Ends[2];
		if (::pipe2(Ends, O_CLOEXEC) != 0)
		{
			return false;
		}
		*Read.Receive() = Ends[0];
		*Write.Receive() = Ends[1];
		return true;
	}
};

// strerror is not thread-safe; the description table is.
std::string ErrnoText(int Error)
{
	const char* Description = ::strerrordesc_np(Error);
	return Description ? Description : "error " + std::to_string(Error);
}

// Why the program cannot be started (an errno value), or 0 when it looks startable.
int CheckProgram(const std::filesystem::path& Program)
{
	struct stat Info
	{
	};
	if (::stat(Program.c_str(), &Info) != 0)
	{
		return errno;
	}
	if (S_ISDIR(Info.st_mode))
	{
		return EISDIR;
	}
	if (!S_ISREG(Info.st_mode) || ::access(Program.c_str(), X_OK) != 0)
	{
		return EACCES;
	}
	return 0;
}

std::string DescribeSignal(int Signal)
{
	const char* Description = ::sigdescr_np(Signal);
	return "Child terminated by signal " + std::to_string(Signal) + " (" +
		   (Description ? Description : "unknown signal") + ")";
}

// File actions and attributes of the child: the given standard descriptors (or /dev/null), nothing
// else open, every signal at its default disposition and none blocked, and the working folder.
class FSpawnSetup
{
public:
	FSpawnSetup(const FChildStdio& Stdio, const std::filesystem::path& WorkingFolder)
	{
		::posix_spawn_file_actions_init(&Actions);
		::posix_spawnattr_init(&Attributes);
		bValid = AddStandard(Stdio.In, 0, O_RDONLY) && AddStandard(Stdio.Out, 1, O_WRONLY) &&
				 AddStandard(Stdio.Err, 2, O_WRONLY) && ::posix_spawn_file_actions_addclosefrom_np(&Actions, 3) == 0;
		if (bValid && !WorkingFolder.empty())
		{
			bValid = ::posix_spawn_file_actions_addchdir_np(&Actions, WorkingFolder.c_str()) == 0;
		}
		sigset_t Empty;
		sigset_t All;
		sigemptyset(&Empty);
		sigfillset(&All);
		bValid = bValid && ::posix_spawnattr_setsigmask(&Attributes, &Empty) == 0 &&
				 ::posix_spawnattr_setsigdefault(&Attributes, &All) == 0 &&
				 ::posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
	}
	FSpawnSetup(const FSpawnSetup&) = delete;
	FSpawnSetup& operator=(const FSpawnSetup&) = delete;
	~FSpawnSetup()
	{
		::posix_spawn_file_actions_destroy(&Actions);
		::posix_spawnattr_destroy(&Attributes);
	}

	bool bValid = false;
	posix_spawn_file_actions_t Actions;
	posix_spawnattr_t Attributes;

private:
	bool AddStandard(int Fd, int Target, int NullMode)
	{
		return Fd < 0 ? ::posix_spawn_file_actions_addopen(&Actions, Target, "/dev/null", NullMode, 0) == 0
					  : ::posix_spawn_file_actions_adddup2(&Actions, Fd, Target) == 0;
	}
};

// Waits for the child without blocking; true once it has exited (Status is then filled in).
bool HasExited(pid_t Child, int& Status)
{
	for (;;)
	{
		const pid_t Result = ::waitpid(Child, &Status, WNOHANG);
		if (Result == Child)
		{
			return true;
		}
		if (Result == 0)
		{
			return false;
		}
		if (errno != EINTR)
		{
			// Someone else reaped it (SIGCHLD ignored): the status is lost.
			Status = -1;
			return true;
		}
	}
}

// Reads what a pipe holds now, without waiting; false once it has ended.
bool ReadAvailable(int Fd, std::string& Target, size_t Limit)
{
	std::array<char, ReadChunk> Buffer;
	for (size_t Taken = 0; Taken < Limit;)
	{
		pollfd Probe{Fd, POLLIN, 0};
		if (::poll(&Probe, 1, 0) <= 0)
		{
			return true;
		}
		const ssize_t Count = ::read(Fd, Buffer.data(), Buffer.size());
		if (Count <= 0)
		{
			return Count < 0 && errno == EINTR;
		}
		Target.append(Buffer.data(), static_cast<size_t>(Count));
		Taken += static_cast<size_t>(Count);
	}
	return true;
}

// Reads both pipes until both end, or until the grace period after the child's exit is over.
// Returns the child's wait status (-1 when it was lost).
int Collect(pid_t Child, int StdOutFd, int StdErrFd, FProcessResult& Result)
{
	std::array<pollfd, 2> Fds = {pollfd{StdOutFd, POLLIN, 0}, pollfd{StdErrFd, POLLIN, 0}};
	std::array<std::string*, 2> Targets = {&Result.StdOut, &Result.StdErr};
	int Status = 0;
	bool bExited = false;
	std::chrono::steady_clock::time_point GiveUpAt;
	int OpenStreams = 2;
	while (OpenStreams > 0)
	{
		if (!bExited && HasExited(Child, Status))
		{
			bExited = true;
			GiveUpAt = std::chrono::steady_clock::now() + ExitGracePeriod;
		}
		if (bExited && std::chrono::steady_clock::now() >= GiveUpAt)
		{
			for (size_t Index = 0; Index < Fds.size(); ++Index)
			{
				if (Fds[Index].fd >= 0)
				{
					ReadAvailable(Fds[Index].fd, *Targets[Index], FinalDrainLimit);
				}
			}
			break;
		}
		const int Ready = ::poll(Fds.data(), Fds.size(), PollIntervalMs);
		if (Ready < 0 && errno != EINTR)
		{
			break;
		}
		for (size_t Index = 0; Ready > 0 && Index < Fds.size(); ++Index)
		{
			if (Fds[Index].fd >= 0 && Fds[Index].revents != 0 &&
				!ReadAvailable(Fds[Index].fd, *Targets[Index], ReadChunk))
			{
				Fds[Index].fd = -1;
				--OpenStreams;
			}
		}
	}
	if (!bExited)
	{
		while (::waitpid(Child, &Status, 0) < 0)
		{
			if (errno != EINTR)
			{
				Status = -1;
				break;
			}
		}
	}
	return Status;
}

void RecordExit(int Status, FProcessResult& Result)
{
	if (Status != -1 && WIFEXITED(Status))
	{
		Result.ExitCode = WEXITSTATUS(Status);
		return;
	}
	std::string Line = "Child exit status was lost (SIGCHLD is ignored in this process)";
	Result.ExitCode = -1;
	if (Status != -1 && WIFSIGNALED(Status))
	{
		Result.ExitCode = 128 + WTERMSIG(Status);
		Line = DescribeSignal(WTERMSIG(Status));
	}
	if (!Result.StdErr.empty() && Result.StdErr.back() != '\n')
	{
		Result.StdErr += '\n';
	}
	Result.StdErr += Line + "\n";
}

FStartFailure CannotStart(const std::filesystem::path& Program, int Error)
{
	const std::string Why = Error == EISDIR ? "it is a folder"
							: Error == EACCES ? "not an executable file"
							: ErrnoText(Error);
	return FStartFailure{Error, "cannot start '" + Program.string() + "': " + Why};
}
} // namespace

bool PrepareCommand(std::u16string_view CommandLine, FCommand& OutCommand, FStartFailure& OutFailure)
{
	const std::vector<std::u16string> Arguments = SplitWindowsCommandLine(CommandLine);
	if (Arguments.empty() || Arguments[0].empty())
	{
		OutFailure = FStartFailure{ENOENT, "cannot start a process: the command line names no program"};
		return false;
	}
	std::error_code Error;
	const std::filesystem::path Program = std::filesystem::absolute(Machine::ToHostPath(Arguments[0]), Error);
	if (Error)
	{
		OutFailure = FStartFailure{Error.value(), "cannot start '" + Machine::ToUtf8(Arguments[0]) + "': " + Error.message()};
		return false;
	}
	if (const int Problem = CheckProgram(Program); Problem != 0)
	{
		OutFailure = CannotStart(Program, Problem);
		return false;
	}
	OutCommand.Program = Program;
	OutCommand.Arguments = {Program.string()};
	for (size_t Index = 1; Index < Arguments.size(); ++Index)
	{
		if (Arguments[Index].find(u'\0') != std::u16string::npos)
		{
			OutFailure = FStartFailure{EINVAL, "cannot start '" + Program.string() + "': an argument holds a NUL character"};
			return false;
		}
		OutCommand.Arguments.push_back(Machine::ToUtf8(Arguments[Index]));
	}
	return true;
}

pid_t Spawn(const FCommand& Command, const FChildStdio& Stdio, const std::filesystem::path& WorkingFolder,
			FStartFailure& OutFailure)
{
	std::vector<std::string> Arguments = Command.Arguments;
	std::vector<char*> Argv;
	for (std::string& Argument : Arguments)
	{
		Argv.push_back(Argument.data());
	}
	Argv.push_back(nullptr);
	FSpawnSetup Setup(Stdio, WorkingFolder);
	if (!Setup.bValid)
	{
		OutFailure = CannotStart(Command.Program, ENOMEM);
		return -1;
	}
	pid_t Child = 0;
	const int SpawnError =
		::posix_spawn(&Child, Command.Program.c_str(), &Setup.Actions, &Setup.Attributes, Argv.data(), environ);
	if (SpawnError != 0)
	{
		OutFailure = CannotStart(Command.Program, SpawnError);
		return -1;
	}
	return Child;
}

int WindowsStartError(int Error)
{
	constexpr int FileNotFound = 2;
	constexpr int AccessDenied = 5;
	constexpr int BadExeFormat = 193;
	constexpr int GeneralFailure = 31;
	switch (Error)
	{
	case ENOENT:
	case ENOTDIR:
		return FileNotFound;
	case EACCES:
	case EISDIR:
	case EPERM:
		return AccessDenied;
	case ENOEXEC:
		return BadExeFormat;
	default:
		return GeneralFailure;
	}
}

FProcessResult Run(std::u16string_view CommandLine)
{
	FProcessResult Result;
	FCommand Command;
	FStartFailure Failure;
	FPipe StdOut;
	FPipe StdErr;
	pid_t Child = -1;
	if (PrepareCommand(CommandLine, Command, Failure))
	{
		if (!StdOut.Open() || !StdErr.Open())
		{
			Failure = CannotStart(Command.Program, errno);
		}
		else
		{
			Child = Spawn(Command, FChildStdio{-1, StdOut.Write.Get(), StdErr.Write.Get()}, {}, Failure);
		}
	}
	if (Child < 0)
	{
		Result.FailureReason = Failure.Reason;
		Result.StartError = Failure.Error;
		return Result;
	}
	// Only the child may hold the write ends, so that the pipes end when it does.
	StdOut.Write.Close();
	StdErr.Write.Close();

	Result.bStarted = true;
	RecordExit(Collect(Child, StdOut.Read.Get(), StdErr.Read.Get(), Result), Result);
	return Result;
}
} // namespace Standin::Process
