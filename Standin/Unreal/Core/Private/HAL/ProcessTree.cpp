// Finding a process's children by their parent id, as the engine's TerminateProc does with a snapshot
// of all processes on Windows.
#include "HAL/ProcessRunner.h"

#include <charconv>
#include <dirent.h>
#include <fstream>
#include <sstream>

namespace Standin::Process
{
namespace
{
// The parent id from /proc/<pid>/stat ("pid (name) state ppid ..."); the name may hold blanks and
// parentheses, so the fields are read after its last ')'. -1 when the process is gone.
pid_t ReadParent(const char* Pid)
{
	std::ifstream Stat(std::string("/proc/") + Pid + "/stat");
	const std::string Text((std::istreambuf_iterator<char>(Stat)), std::istreambuf_iterator<char>());
	const size_t NameEnd = Text.rfind(')');
	if (NameEnd == std::string::npos)
	{
		return -1;
	}
	std::istringstream Fields(Text.substr(NameEnd + 1));
	std::string State;
	pid_t Parent = -1;
	Fields >> State >> Parent;
	return Fields ? Parent : -1;
}

bool IsProcessId(const char* Name, pid_t& OutPid)
{
	const char* End = Name + std::char_traits<char>::length(Name);
	const auto [Last, Error] = std::from_chars(Name, End, OutPid);
	return Error == std::errc() && Last == End && OutPid > 0;
}
} // namespace

std::vector<pid_t> FindChildProcesses(pid_t Parent)
{
	std::vector<pid_t> Children;
	DIR* Proc = ::opendir("/proc");
	if (Proc == nullptr)
	{
		return Children;
	}
	while (const dirent* Entry = ::readdir(Proc))
	{
		pid_t Pid = 0;
		if (IsProcessId(Entry->d_name, Pid) && ReadParent(Entry->d_name) == Parent)
		{
			Children.push_back(Pid);
		}
	}
	::closedir(Proc);
	return Children;
}
} // namespace Standin::Process
