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
	std::string Text;
	while (ReadPids(Text).size() < 3)
	{
		Text += ReadOutput(Process, Output.Read, "\n");
	}
	const std::vector<pid_t> Pids = ReadPids(Text);
	EXPECT_NE(std::find(Pids.begin(), Pids.end(), static_cast<pid_t>(ChildPid)), Pids.end()) << Text;

	FPlatformProcess::TerminateProc(Process, true);
	EXPECT_TRUE(Process.IsValid()) << "the handle stays open";
	FPlatformProcess::WaitForProc(Process);
	int32 ReturnCode = -1;
	EXPECT_TRUE(FPlatformProcess::GetProcReturnCode(Process, &ReturnCode));
	EXPECT_EQ(ReturnCode, 0) << "as TerminateProcess(Handle, 0) leaves it on Windows";
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
	std::string Text;
	while (ReadPids(Text).size() < 2)
	{
		Text += ReadOutput(Process, Output.Read, "\n");
	}
	FPlatformProcess::TerminateProc(Process);
	FPlatformProcess::WaitForProc(Process);
	int32 ReturnCode = -1;
	EXPECT_TRUE(FPlatformProcess::GetProcReturnCode(Process, &ReturnCode));
	EXPECT_EQ(ReturnCode, 0);
	for (const pid_t Pid : ReadPids(Text))
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
	int32 ReturnCode = -1;
	EXPECT_TRUE(FPlatformProcess::GetProcReturnCode(Process, &ReturnCode));
	EXPECT_EQ(ReturnCode, 3);
}
