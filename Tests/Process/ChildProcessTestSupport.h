// What the child-process tests share: the test child, pipes, the polling loop a plugin runs, and
// looking at processes by id.
#pragma once

#include "HAL/PipeHandle.h"
#include "HAL/PlatformProcess.h"
#include "Standin/StringUtf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace ChildProcessTest
{
inline const FString Child = Standin::FromUtf8(PROCESS_TEST_CHILD);

inline std::string Utf8(const FString& Text)
{
	return Standin::ToUtf8(Text);
}

// A pipe for one test, closed at its end.
struct FPipe
{
	FPipe() { EXPECT_TRUE(FPlatformProcess::CreatePipe(Read, Write)); }
	~FPipe() { FPlatformProcess::ClosePipe(Read, Write); }
	FPipe(const FPipe&) = delete;
	FPipe& operator=(const FPipe&) = delete;

	// What a test sends to a child's standard input.
	void Send(const std::string& Text) const
	{
		EXPECT_EQ(::write(Standin::Process::GetPipeDescriptor(Write), Text.data(), Text.size()), static_cast<ssize_t>(Text.size()));
	}

	void* Read = nullptr;
	void* Write = nullptr;
};

inline FProcHandle StartChild(const TCHAR* Params, const FPipe& Output, const FPipe* Input = nullptr, uint32* OutPid = nullptr,
							  const TCHAR* WorkingFolder = nullptr)
{
	return FPlatformProcess::CreateProc(*Child, Params, false, true, true, OutPid, 0, WorkingFolder, Output.Write,
										Input ? Input->Read : nullptr);
}

// The plugin's kind of loop: poll the child, take what the pipe holds, stop once the child has ended
// and its output is all read (or, when Needle is given, once the text holds it).
inline std::string ReadOutput(FProcHandle& Process, void* Pipe, const std::string& Needle = std::string())
{
	std::string Text;
	for (;;)
	{
		const bool bRunning = FPlatformProcess::IsProcRunning(Process);
		for (FString Chunk; !(Chunk = FPlatformProcess::ReadPipe(Pipe)).IsEmpty();)
		{
			Text += Utf8(Chunk);
		}
		if ((!Needle.empty() && Text.find(Needle) != std::string::npos) || !bRunning)
		{
			return Text;
		}
		FPlatformProcess::Sleep(0.001f);
	}
}

// Whether the process has ended: gone, or a zombie nobody has collected yet.
inline bool HasEnded(pid_t Pid)
{
	std::ifstream Stat("/proc/" + std::to_string(Pid) + "/stat");
	const std::string Text((std::istreambuf_iterator<char>(Stat)), std::istreambuf_iterator<char>());
	const size_t NameEnd = Text.rfind(')');
	return NameEnd == std::string::npos || Text.compare(NameEnd + 1, 3, " Z ") == 0;
}

// A signal takes effect soon, not at once. False when the process still lives after a minute, far
// longer than a kill takes on any machine.
inline bool WaitUntilEnded(pid_t Pid)
{
	for (int Round = 0; Round < 60000 && !HasEnded(Pid); ++Round)
	{
		FPlatformProcess::Sleep(0.001f);
	}
	return HasEnded(Pid);
}

inline std::vector<pid_t> ReadPids(const std::string& Text)
{
	std::vector<pid_t> Pids;
	std::istringstream Lines(Text);
	for (std::string Word; Lines >> Word;)
	{
		if (Word != "pid")
		{
			Pids.push_back(std::stoi(Word));
		}
	}
	return Pids;
}

// The ids a "tree" child and its descendants print, once Count of them have.
inline std::vector<pid_t> ReadTreePids(FProcHandle& Process, void* Pipe, size_t Count)
{
	std::string Text;
	while (ReadPids(Text).size() < Count)
	{
		Text += ReadOutput(Process, Pipe, "\n");
	}
	return ReadPids(Text);
}

// The child's return code; none while it runs or once its handle is closed.
inline std::optional<int32> GetReturnCode(FProcHandle& Process)
{
	int32 ReturnCode = -1;
	if (!FPlatformProcess::GetProcReturnCode(Process, &ReturnCode))
	{
		return std::nullopt;
	}
	return ReturnCode;
}

struct FClosedProc
{
	FProcHandle& Handle;
	~FClosedProc() { FPlatformProcess::CloseProc(Handle); }
};
} // namespace ChildProcessTest
