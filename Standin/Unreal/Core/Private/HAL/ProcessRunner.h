// Child processes for the stand-in's FPlatformProcess::ExecProcess, in plain C++.
//
// A command line in the Windows form is split with the Microsoft C runtime's rules, the program is
// started directly (no shell), and its stdout and stderr are read together until both end and the
// child has exited.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace Standin::Process
{
// Splits a command line as the Microsoft C runtime builds argv:
// - blanks and tabs separate arguments; double quotes group blanks into one argument;
// - 2n backslashes before a quote give n backslashes and the quote toggles quoting;
//   2n+1 backslashes before a quote give n backslashes and a literal quote;
//   backslashes not before a quote are literal;
// - "" inside a quoted run gives a literal quote (and quoting goes on), as the current runtime does;
// - the first argument (the program) is simpler: if it starts with a quote it runs to the next quote,
//   otherwise to the next blank; backslashes and other quotes in it are literal.
// Blanks before the program are skipped.
std::vector<std::u16string> SplitWindowsCommandLine(std::u16string_view CommandLine);

// Quotes one argument (not the program) so that SplitWindowsCommandLine gives it back unchanged.
// Arguments without blanks, tabs or quotes are returned as they are; an empty one becomes "".
std::u16string QuoteWindowsArgument(std::u16string_view Argument);

// A command line made ready to start: the program's host path and argv in UTF-8 (the program first).
struct FCommand
{
	std::filesystem::path Program;
	std::vector<std::string> Arguments;
};

// Why a program could not be started: the errno value and a sentence naming the program.
struct FStartFailure
{
	int Error = 0;
	std::string Reason;
};

// Splits a command line in the Windows form and resolves its program: mapped with
// Standin::Machine::ToHostPath and taken relative to the current working folder (no search path); it
// must be an executable regular file. False with OutFailure filled when it cannot be started.
bool PrepareCommand(std::u16string_view CommandLine, FCommand& OutCommand, FStartFailure& OutFailure);

// The descriptors a child gets as its standard input, output and error; -1 gives /dev/null.
struct FChildStdio
{
	int In = -1;
	int Out = -1;
	int Err = -1;
};

// Starts the command with those standard descriptors and no other, every signal at its default
// disposition and none blocked, in WorkingFolder unless it is empty. Returns the child's pid, or -1
// with OutFailure filled.
pid_t Spawn(const FCommand& Command, const FChildStdio& Stdio, const std::filesystem::path& WorkingFolder,
			FStartFailure& OutFailure);

// The code GetLastError() gives after a failed CreateProcess for the errno of a failed start
// (2 file not found, 5 access denied, 193 bad format, 267 bad folder, 31 otherwise).
int WindowsStartError(int Error);

// The processes whose parent is Parent, from /proc.
std::vector<pid_t> FindChildProcesses(pid_t Parent);

struct FProcessResult
{
	// False when the program could not be started (missing, not executable, a folder, ...).
	bool bStarted = false;
	// The child's exit code; 128 + signal number when a signal ended it.
	int ExitCode = -1;
	std::string StdOut;
	// When a signal ended the child, a line "Child terminated by signal N (Name)" is appended.
	std::string StdErr;
	// Why the program was not started; empty when it was.
	std::string FailureReason;
	// The errno of a failed start (ENOENT, EISDIR, EACCES, ENOEXEC, ...); 0 when it started.
	int StartError = 0;
};

// Runs a command line in the Windows form and waits for the child to exit.
// The program path is mapped with Standin::Machine::ToHostPath and taken relative to the current
// working folder (no search path); it must be an executable regular file. The arguments reach the
// child as UTF-8 argv, unchanged. The child inherits the environment and working folder, gets
// /dev/null as standard input and no descriptor beyond 0, 1 and 2. Both output streams are read
// together, so neither can block the child. Once the child has exited, output still held open by a
// grandchild is read only for a short grace period. Safe to call from several threads at once.
FProcessResult Run(std::u16string_view CommandLine);
} // namespace Standin::Process
