// The child the process tests start: each mode (the first argument) shows one behaviour.
//   echo ARGS...      prints each argument on a line of its own
//   flood             writes FloodText('o') to stdout and FloodText('e') to stderr, interleaved
//   flood-out         writes FloodText('o') to stdout only
//   wait-stdin        prints "ready", reads a line from stdin, prints "got <line>" and exits
//   split-utf8        writes "A" and the first two bytes of U+20AC, reads a line from stdin, then
//                     writes the character's last byte and "B\n"
//   tree N            starts a chain of N descendants; each process prints "pid <its id>" and waits
//   no-newline        writes text whose last line has no line end, on both streams
//   grandchild        leaves a grandchild holding both pipes, prints its id and exits
//   signal            dies of SIGSEGV
//   exit N            prints "out" and "err" on the two streams and exits with N
//   fds               prints every open descriptor above 2
//   stdin             prints how many bytes its standard input holds
//   where             prints its working folder and LEVELWRIGHT_MACHINE
#include "FloodPattern.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace
{
void WriteAll(int Fd, const char* Data, size_t Size)
{
	while (Size > 0)
	{
		const ssize_t Written = ::write(Fd, Data, Size);
		if (Written < 0)
		{
			std::exit(90);
		}
		Data += Written;
		Size -= static_cast<size_t>(Written);
	}
}

void WriteAll(int Fd, const std::string& Text)
{
	WriteAll(Fd, Text.data(), Text.size());
}

int Flood(bool bBothStreams)
{
	const std::string Out = ProcessTest::FloodText('o');
	const std::string Err = bBothStreams ? ProcessTest::FloodText('e') : std::string();
	size_t OutPos = 0;
	size_t ErrPos = 0;
	for (size_t Round = 0; OutPos < Out.size() || ErrPos < Err.size(); ++Round)
	{
		// Chunks of changing sizes, larger than a pipe's buffer now and then.
		const size_t Chunk = 1000 + (Round * 7919) % 150000;
		const size_t OutChunk = std::min(Chunk, Out.size() - OutPos);
		WriteAll(1, Out.data() + OutPos, OutChunk);
		OutPos += OutChunk;
		const size_t ErrChunk = std::min(Chunk / 2 + 17, Err.size() - ErrPos);
		WriteAll(2, Err.data() + ErrPos, ErrChunk);
		ErrPos += ErrChunk;
	}
	return 0;
}

// Waits until a signal ends the process; the alarm ends it if the test cannot.
[[noreturn]] void WaitToBeKilled()
{
	::alarm(600);
	for (;;)
	{
		::pause();
	}
}

int Grandchild()
{
	const pid_t Pid = ::fork();
	if (Pid < 0)
	{
		return 91;
	}
	if (Pid == 0)
	{
		// Holds the pipes until the test kills it.
		WaitToBeKilled();
	}
	WriteAll(1, std::to_string(Pid) + "\n");
	return 0;
}

std::string ReadStdinLine()
{
	std::string Line;
	char C = 0;
	while (::read(0, &C, 1) == 1 && C != '\n')
	{
		Line += C;
	}
	return Line;
}

int WaitForStdin()
{
	WriteAll(1, "ready\n");
	WriteAll(1, "got " + ReadStdinLine() + "\n");
	return 0;
}

int SplitUtf8()
{
	// One write each, so that a reader sees the first part alone until the test answers.
	WriteAll(1, "A\xE2\x82");
	ReadStdinLine();
	WriteAll(1, "\xAC" "B\n");
	return 0;
}

int Tree(int Depth)
{
	for (int Level = 0; Level < Depth; ++Level)
	{
		const pid_t Pid = ::fork();
		if (Pid < 0)
		{
			return 95;
		}
		if (Pid > 0)
		{
			break;
		}
	}
	WriteAll(1, "pid " + std::to_string(::getpid()) + "\n");
	WaitToBeKilled();
}

int Signal()
{
	WriteAll(1, "about to crash\n");
	// No core file, and no sanitizer's handler in the way.
	const rlimit NoCore{0, 0};
	::setrlimit(RLIMIT_CORE, &NoCore);
	std::signal(SIGSEGV, SIG_DFL);
	std::raise(SIGSEGV);
	return 92;
}

int ListDescriptors()
{
	DIR* Dir = ::opendir("/proc/self/fd");
	if (!Dir)
	{
		return 93;
	}
	while (const dirent* Entry = ::readdir(Dir))
	{
		const int Fd = std::atoi(Entry->d_name);
		if (Entry->d_name[0] != '.' && Fd > 2 && Fd != ::dirfd(Dir))
		{
			char Target[512] = {};
			const std::string Link = std::string("/proc/self/fd/") + Entry->d_name;
			if (::readlink(Link.c_str(), Target, sizeof(Target) - 1) < 0)
			{
				std::strcpy(Target, "?");
			}
			WriteAll(1, std::string(Entry->d_name) + " -> " + Target + "\n");
		}
	}
	::closedir(Dir);
	return 0;
}

int CountStdin()
{
	size_t Total = 0;
	char Buffer[4096];
	for (ssize_t Count; (Count = ::read(0, Buffer, sizeof(Buffer))) > 0;)
	{
		Total += static_cast<size_t>(Count);
	}
	WriteAll(1, "stdin: " + std::to_string(Total) + " bytes\n");
	return 0;
}

int Where()
{
	char Cwd[4096] = {};
	const char* Machine = std::getenv("LEVELWRIGHT_MACHINE");
	WriteAll(1, std::string(::getcwd(Cwd, sizeof(Cwd)) ? Cwd : "?") + "\n" + (Machine ? Machine : "(unset)") + "\n");
	return 0;
}
} // namespace

int main(int Argc, char** Argv)
{
	const std::string Mode = Argc > 1 ? Argv[1] : "";
	if (Mode == "echo")
	{
		for (int Index = 2; Index < Argc; ++Index)
		{
			WriteAll(1, std::string(Argv[Index]) + "\n");
		}
		return 0;
	}
	if (Mode == "no-newline")
	{
		WriteAll(1, "first line\nlast line without end");
		WriteAll(2, "error tail");
		return 0;
	}
	if (Mode == "exit" && Argc > 2)
	{
		WriteAll(1, "out\n");
		WriteAll(2, "err\n");
		return std::atoi(Argv[2]);
	}
	if (Mode == "flood" || Mode == "flood-out")
	{
		return Flood(Mode == "flood");
	}
	if (Mode == "wait-stdin")
	{
		return WaitForStdin();
	}
	if (Mode == "split-utf8")
	{
		return SplitUtf8();
	}
	if (Mode == "tree" && Argc > 2)
	{
		return Tree(std::atoi(Argv[2]));
	}
	if (Mode == "grandchild")
	{
		return Grandchild();
	}
	if (Mode == "signal")
	{
		return Signal();
	}
	if (Mode == "fds")
	{
		return ListDescriptors();
	}
	if (Mode == "stdin")
	{
		return CountStdin();
	}
	if (Mode == "where")
	{
		return Where();
	}
	WriteAll(2, "ProcessTestChild: unknown mode '" + Mode + "'\n");
	return 2;
}
