// Running children: output collected whatever the child does with its streams, exit codes and
// signals, programs that cannot start, arguments and paths as the child sees them.
#include "FloodPattern.h"
#include "HAL/ProcessRunner.h"
#include "RandomArguments.h"
#include "Standin/Machine.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using Standin::Process::FProcessResult;
namespace Process = Standin::Process;

namespace
{
const fs::path ChildPath = PROCESS_TEST_CHILD;

// The child's command line: its quoted path, the mode, then the arguments.
FProcessResult RunChild(std::u16string_view Arguments)
{
	return Process::Run(u"\"" + ChildPath.u16string() + u"\" " + std::u16string(Arguments));
}

std::vector<std::string> Lines(const std::string& Text)
{
	std::vector<std::string> Result;
	size_t Start = 0;
	for (size_t End; (End = Text.find('\n', Start)) != std::string::npos; Start = End + 1)
	{
		Result.push_back(Text.substr(Start, End - Start));
	}
	return Result;
}

class ProcessRun : public testing::Test
{
protected:
	LevelwrightTest::FTempDir Temp;
	const fs::path Folder = Temp.Path();
};
} // namespace

TEST_F(ProcessRun, FloodOnBothStreamsIsReadCompletely)
{
	const FProcessResult Result = RunChild(u"flood");
	ASSERT_TRUE(Result.bStarted) << Result.FailureReason;
	EXPECT_EQ(Result.ExitCode, 0);
	ASSERT_EQ(Result.StdOut.size(), ProcessTest::FloodBytes);
	ASSERT_EQ(Result.StdErr.size(), ProcessTest::FloodBytes);
	EXPECT_TRUE(Result.StdOut == ProcessTest::FloodText('o'));
	EXPECT_TRUE(Result.StdErr == ProcessTest::FloodText('e'));
}

TEST_F(ProcessRun, LastLineWithoutLineEndIsKept)
{
	const FProcessResult Result = RunChild(u"no-newline");
	ASSERT_TRUE(Result.bStarted) << Result.FailureReason;
	EXPECT_EQ(Result.StdOut, "first line\nlast line without end");
	EXPECT_EQ(Result.StdErr, "error tail");
}

TEST_F(ProcessRun, ExitCodeAndStreamsAreKeptApart)
{
	const FProcessResult Result = RunChild(u"exit 3");
	ASSERT_TRUE(Result.bStarted) << Result.FailureReason;
	EXPECT_EQ(Result.ExitCode, 3);
	EXPECT_EQ(Result.StdOut, "out\n");
	EXPECT_EQ(Result.StdErr, "err\n");
	EXPECT_TRUE(Result.FailureReason.empty());
}

TEST_F(ProcessRun, ReturnsWhileAGrandchildStillHoldsThePipes)
{
	const FProcessResult Result = RunChild(u"grandchild");
	ASSERT_TRUE(Result.bStarted) << Result.FailureReason;
	EXPECT_EQ(Result.ExitCode, 0);
	const pid_t Grandchild = std::atoi(Result.StdOut.c_str());
	ASSERT_GT(Grandchild, 0) << Result.StdOut;
	// Run came back although the grandchild, alive and holding both pipes, never closes them.
	EXPECT_EQ(::kill(Grandchild, 0), 0);
	::kill(Grandchild, SIGKILL);
}

TEST_F(ProcessRun, DeathBySignalIsReported)
{
	const FProcessResult Result = RunChild(u"signal");
	ASSERT_TRUE(Result.bStarted) << Result.FailureReason;
	EXPECT_EQ(Result.ExitCode, 128 + SIGSEGV);
	EXPECT_EQ(Result.StdOut, "about to crash\n");
	EXPECT_NE(Result.StdErr.find("Child terminated by signal 11 (Segmentation fault)\n"), std::string::npos)
		<< Result.StdErr;
}

TEST_F(ProcessRun, ProgramsThatCannotStartGiveNotStarted)
{
	const fs::path Plain = Folder / "Plain.exe";
	LevelwrightTest::WriteFile(Plain, "not a program\n");
	fs::permissions(Plain, fs::perms::owner_read | fs::perms::owner_write);
	const fs::path Garbage = Folder / "Garbage.exe";
	LevelwrightTest::WriteFile(Garbage, "\x7f"
										"ELF but not really");
	fs::permissions(Garbage, fs::perms::owner_all);
	fs::create_directories(Folder / "Folder.exe");

	const std::vector<std::pair<fs::path, int>> Cases = {
		{Folder / "Missing.exe", ENOENT}, {Plain, EACCES}, {Garbage, ENOEXEC}, {Folder / "Folder.exe", EISDIR}};
	for (const auto& [Program, Error] : Cases)
	{
		const FProcessResult Result = Process::Run(u"\"" + Program.u16string() + u"\" -arg");
		EXPECT_FALSE(Result.bStarted) << Program;
		EXPECT_EQ(Result.StartError, Error) << Program;
		EXPECT_NE(Result.FailureReason.find(Program.string()), std::string::npos) << Result.FailureReason;
	}
	EXPECT_FALSE(Process::Run(u"").bStarted);
	EXPECT_FALSE(Process::Run(u"  \"\"  x").bStarted);
}

TEST_F(ProcessRun, RandomArgumentsReachTheChildUnchanged)
{
	const unsigned Seed = std::random_device{}();
	SCOPED_TRACE("seed " + std::to_string(Seed));
	std::mt19937 Random(Seed);
	for (int Round = 0; Round < 60; ++Round)
	{
		const ProcessTest::Args Arguments = ProcessTest::RandomArguments(Random, u"aZ- \t\"\\'%$*;&|<>");
		const FProcessResult Result = RunChild(ProcessTest::JoinCommandLine(u"echo", Arguments));
		ASSERT_TRUE(Result.bStarted) << Result.FailureReason;
		std::vector<std::string> Expected;
		for (const std::u16string& Argument : Arguments)
		{
			Expected.push_back(Standin::Machine::ToUtf8(Argument));
		}
		ASSERT_EQ(Lines(Result.StdOut), Expected) << "round " << Round;
	}
}

TEST_F(ProcessRun, DrivePathsAndRelativeProgramsAreFound)
{
	fs::create_directories(Folder / "machine/drives/c/Tool Dir");
	fs::copy_file(ChildPath, Folder / "machine/drives/c/Tool Dir/Child.exe");
	Standin::Machine::SetRoot(Folder / "machine");
	const FProcessResult FromDrive = Process::Run(uR"("C:\Tool Dir\Child.exe" echo "a b")");
	ASSERT_TRUE(FromDrive.bStarted) << FromDrive.FailureReason;
	EXPECT_EQ(FromDrive.StdOut, "a b\n");

	fs::current_path(Folder / "machine/drives/c");
	const FProcessResult Relative = Process::Run(uR"(Tool Dir\Child.exe echo x)");
	EXPECT_FALSE(Relative.bStarted) << "an unquoted blank ends the program name";
	const FProcessResult Quoted = Process::Run(uR"("Tool Dir\Child.exe" where)");
	ASSERT_TRUE(Quoted.bStarted) << Quoted.FailureReason;
	EXPECT_EQ(Lines(Quoted.StdOut),
			  (std::vector<std::string>{fs::current_path().string(), (Folder / "machine").lexically_normal().string()}));
}

TEST_F(ProcessRun, ChildGetsOnlyTheStandardDescriptorsAndNoInput)
{
	// Descriptors any library of ours might leave without close-on-exec.
	const int Leaky = ::open("/dev/null", O_RDONLY);
	int LeakyPipe[2];
	ASSERT_EQ(::pipe(LeakyPipe), 0);
	const FProcessResult Fds = RunChild(u"fds");
	ASSERT_TRUE(Fds.bStarted) << Fds.FailureReason;
	EXPECT_EQ(Fds.StdOut, "");

	// The editor reads its script from standard input; a child must not take it.
	ASSERT_GT(::write(LeakyPipe[1], "quit\n", 5), 0);
	::close(LeakyPipe[1]);
	ASSERT_EQ(::dup2(LeakyPipe[0], 0), 0);
	const FProcessResult Stdin = RunChild(u"stdin");
	EXPECT_EQ(Stdin.StdOut, "stdin: 0 bytes\n");
	::close(Leaky);
}
