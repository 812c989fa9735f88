#include "EditorProcess.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace LevelwrightTest
{
namespace
{
void CloseFd(int& Fd)
{
	if (Fd >= 0)
	{
		::close(Fd);
		Fd = -1;
	}
}
} // namespace

std::vector<std::string> FProcessResult::Lines() const
{
	std::vector<std::string> Result;
	std::istringstream Stream(Output);
	std::string Line;
	while (std::getline(Stream, Line))
	{
		if (!Line.empty() && Line.back() == '\r')
		{
			Line.pop_back();
		}
		Result.push_back(Line);
	}
	return Result;
}

std::vector<std::string> FProcessResult::LinesWith(const std::string& Text) const
{
	std::vector<std::string> Result;
	for (const std::string& Line : Lines())
	{
		if (Line.find(Text) != std::string::npos)
		{
			Result.push_back(Line);
		}
	}
	return Result;
}

FChildProcess::FChildProcess(const fs::path& Program, const std::vector<std::string>& Arguments, const fs::path& StartFolder)
{
	int InputPipe[2];
	int OutputPipe[2];
	if (::pipe2(InputPipe, O_CLOEXEC) != 0 || ::pipe2(OutputPipe, O_CLOEXEC) != 0)
	{
		throw std::runtime_error("pipe failed");
	}
	std::vector<std::string> Argv{Program.string()};
	Argv.insert(Argv.end(), Arguments.begin(), Arguments.end());
	std::vector<char*> ArgvPointers;
	for (std::string& Argument : Argv)
	{
		ArgvPointers.push_back(Argument.data());
	}
	ArgvPointers.push_back(nullptr);

	Pid = ::fork();
	if (Pid == 0)
	{
		::dup2(InputPipe[0], STDIN_FILENO);
		::dup2(OutputPipe[1], STDOUT_FILENO);
		::dup2(OutputPipe[1], STDERR_FILENO);
		if (::chdir(StartFolder.c_str()) != 0)
		{
			::_exit(126);
		}
		::execv(ArgvPointers[0], ArgvPointers.data());
		::_exit(127);
	}
	::close(InputPipe[0]);
	::close(OutputPipe[1]);
	InputFd = InputPipe[1];
	OutputFd = OutputPipe[0];
	if (Pid < 0)
	{
		CloseFd(InputFd);
		CloseFd(OutputFd);
		throw std::runtime_error("fork failed");
	}
	// A child that stops reading its input must not kill the test with SIGPIPE.
	std::signal(SIGPIPE, SIG_IGN);
}

FChildProcess::~FChildProcess()
{
	if (Pid > 0)
	{
		::kill(Pid, SIGKILL);
		::waitpid(Pid, nullptr, 0);
	}
	CloseFd(InputFd);
	CloseFd(OutputFd);
}

void FChildProcess::Write(const std::string& Text)
{
	size_t Written = 0;
	while (InputFd >= 0 && Written < Text.size())
	{
		const ssize_t Count = ::write(InputFd, Text.data() + Written, Text.size() - Written);
		if (Count <= 0 && errno != EINTR)
		{
			return;
		}
		Written += Count > 0 ? static_cast<size_t>(Count) : 0;
	}
}

void FChildProcess::CloseInput()
{
	CloseFd(InputFd);
}

bool FChildProcess::ReadSome(int TimeoutMs)
{
	if (OutputFd < 0)
	{
		return false;
	}
	pollfd Poll{OutputFd, POLLIN, 0};
	const int Ready = ::poll(&Poll, 1, TimeoutMs);
	if (Ready <= 0)
	{
		return Ready == 0 || errno == EINTR;
	}
	char Buffer[4096];
	const ssize_t Count = ::read(OutputFd, Buffer, sizeof(Buffer));
	if (Count <= 0)
	{
		CloseFd(OutputFd);
		return false;
	}
	Output.append(Buffer, static_cast<size_t>(Count));
	return true;
}

bool FChildProcess::WaitForOutput(const std::string& Text, std::chrono::seconds Timeout)
{
	const auto Deadline = std::chrono::steady_clock::now() + Timeout;
	while (Output.find(Text) == std::string::npos)
	{
		if (std::chrono::steady_clock::now() >= Deadline || !ReadSome(100))
		{
			return Output.find(Text) != std::string::npos;
		}
	}
	return true;
}

FProcessResult FChildProcess::Finish()
{
	CloseInput();
	while (ReadSome(-1))
	{
	}
	int Status = 0;
	::waitpid(Pid, &Status, 0);
	Pid = -1;
	FProcessResult Result;
	Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
	Result.Output = Output;
	return Result;
}

FProcessResult RunProcess(const fs::path& Program, const std::vector<std::string>& Arguments, const fs::path& StartFolder,
						  const std::string& StandardInput)
{
	FChildProcess Child(Program, Arguments, StartFolder);
	Child.Write(StandardInput);
	return Child.Finish();
}

fs::path EditorProgram(const FTestEngine& Engine)
{
	return Engine.BinariesDir() / "UE4Editor.exe";
}

FProcessResult RunEditorScript(const FTestWorld& World, const std::string& Script, const std::vector<std::string>& ExtraArguments)
{
	const fs::path StartFolder = World.Project.Dir().parent_path();
	WriteFile(StartFolder / "script.txt", Script);
	std::vector<std::string> Arguments{World.Project.File().string(), "-script=script.txt", "-machine=" + World.Machine.Path().string()};
	Arguments.insert(Arguments.end(), ExtraArguments.begin(), ExtraArguments.end());
	return RunProcess(EditorProgram(World.Engine), Arguments, StartFolder);
}

FProcessResult RunCook(const FTestEngine& Engine, const FTestProject& Project, const std::vector<std::string>& Switches)
{
	std::vector<std::string> Arguments{Project.File().string(), "-run=cook"};
	Arguments.insert(Arguments.end(), Switches.begin(), Switches.end());
	return RunProcess(EditorProgram(Engine), Arguments, Project.Dir().parent_path());
}
} // namespace LevelwrightTest
