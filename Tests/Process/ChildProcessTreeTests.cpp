// Ending a child process: TerminateProc with and without its tree, as on Windows.
#include "ChildProcessTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace ChildProcessTest;

TEST(ChildProcess, TerminateWithTheTreeEndsEveryDescendant)
{
	FPipe Output;
	uint32 ChildPid = 0;
	FProcHandle Process = StartChild(TEXT("tree 2"), Output, nullptr, &ChildPid);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};
	const std::vector<pid_t> Pids = ReadTreePids(Process, Output.Read, 3);
	EXPECT_NE(std::find(Pids.begin(), Pids.end(), static_cast<pid_t>(ChildPid)), Pids.end());

	FPlatformProcess::TerminateProc(Process, true);
	EXPECT_TRUE(Process.IsValid()) << "the handle stays open";
	FPlatformProcess::WaitForProc(Process);
	EXPECT_EQ(GetReturnCode(Process), 0) << "as TerminateProcess(Handle, 0) leaves it on Windows";
	for (const pid_t Pid : Pids)
	{
		EXPECT_TRUE(WaitUntilEnded(Pid)) << "process " << Pid << " of the tree still runs";
	}
}

TEST(ChildProcess, TerminateWithoutTheTreeLeavesTheGrandchild)
{
	FPipe Output;
	uint32 ChildPid = 0;
	FProcHandle Process = StartChild(TEXT("tree 1"), Output, nullptr, &ChildPid);
	ASSERT_TRUE(Process.IsValid());
	FClosedProc Closer{Process};
	const std::vector<pid_t> Pids = ReadTreePids(Process, Output.Read, 2);
	FPlatformProcess::TerminateProc(Process);
	FPlatformProcess::WaitForProc(Process);
	EXPECT_EQ(GetReturnCode(Process), 0);
	for (const pid_t Pid : Pids)
	{
		if (Pid != static_cast<pid_t>(ChildPid))
		{
			EXPECT_FALSE(HasEnded(Pid)) << "the grandchild lives on";
			::kill(Pid, SIGKILL);
		}
	}
}

TEST(ChildProcess, AChildThatEndedKeepsItsCodeWhenTerminatedLater)
{
	FPipe Output;
	FProcHandle Process = StartChild(TEXT("exit 3"), Output);
	FClosedProc Closer{Process};
	FPlatformProcess::WaitForProc(Process);
	FPlatformProcess::TerminateProc(Process, true);
	EXPECT_EQ(GetReturnCode(Process), 3);
}
