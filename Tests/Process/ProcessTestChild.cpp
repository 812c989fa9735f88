// The child the process tests start: each mode (the first argument) shows one behaviour.
//   echo ARGS...      prints each argument on a line of its own
//   flood             writes FloodText('o') to stdout and FloodText('e') to stderr, interleaved
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

int Flood()
{
	const std::string Out = ProcessTest::FloodText('o');
	const std::string Err = ProcessTest::FloodText('e');
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

int Grandchild()
{
	const pid_t Pid = ::fork();
	if (Pid < 0)
	{
		return 91;
	}
	if (Pid == 0)
	{
		// Holds the pipes until the test kills it; the alarm ends it if the test cannot.
		::alarm(600);
		for (;;)
		{
			::pause();
		}
	}
	WriteAll(1, std::to_string(Pid) + "\n");
	return 0;
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
	if (Mode == "flood")
	{
		return Flood();
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
