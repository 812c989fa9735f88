#include "Cook/SlowCook.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Cook/CookLog.h"

extern char** environ;

namespace Standin::Editor::Cook
{
namespace
{
constexpr const char* SecondsVariable = "LEVELWRIGHT_COOK_SECONDS";
constexpr std::string_view WorkerSwitch = "-CookWorker=";
// How long a worker outlives the seconds of its cook when nobody ends it.
constexpr long WorkerMarginSeconds = 300;

// Digits only (no sign, no blanks, no fraction), at most Max.
std::optional<long> ParseWholeNumber(std::string_view Text, long Max)
{
	long Value = 0;
	if (Text.empty() || Text.find_first_not_of("0123456789") != std::string_view::npos ||
		std::from_chars(Text.data(), Text.data() + Text.size(), Value).ec != std::errc() || Value > Max)
	{
		return std::nullopt;
	}
	return Value;
}
} // namespace

FSlowCook::~FSlowCook()
{
	Stop();
}

bool FSlowCook::ReadSetting()
{
	const char* Value = std::getenv(SecondsVariable);
	if (Value == nullptr)
	{
		return true;
	}
	Seconds = ParseWholeNumber(Value, MaxSeconds);
	if (!Seconds)
	{
		Error(std::string(SecondsVariable) + "=" + Value + " is not a whole number of seconds from 0 to " + std::to_string(MaxSeconds));
		return false;
	}
	return true;
}

bool FSlowCook::Start()
{
	if (!Seconds)
	{
		return true;
	}
	Started = std::chrono::steady_clock::now();
	std::error_code PathError;
	const std::string Program = std::filesystem::read_symlink("/proc/self/exe", PathError).string();
	std::string Limit = std::string(WorkerSwitch) + std::to_string(*Seconds + WorkerMarginSeconds);
	char* Arguments[] = {const_cast<char*>(Program.c_str()), Limit.data(), nullptr};

	// The worker writes nothing and keeps none of the cook's standard streams, so a reader of the
	// cook's output sees its end when the cook ends. It stays in the cook's process group.
	posix_spawn_file_actions_t Actions;
	posix_spawn_file_actions_init(&Actions);
	for (const int Fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
	{
		posix_spawn_file_actions_addopen(&Actions, Fd, "/dev/null", Fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
	}
	const int Result = PathError ? PathError.value() : posix_spawn(&Worker, Program.c_str(), &Actions, nullptr, Arguments, environ);
	posix_spawn_file_actions_destroy(&Actions);
	if (Result != 0)
	{
		Worker = -1;
		Error("Cannot start the cook worker " + Program + ": " + std::strerror(Result));
		return false;
	}
	Display("Slow cook (" + std::string(SecondsVariable) + "=" + std::to_string(*Seconds) + "): cook worker started, pid " + std::to_string(Worker));
	Log::Flush();
	return true;
}

void FSlowCook::WaitOut() const
{
	if (!Seconds)
	{
		return;
	}
	for (long Elapsed = 1; Elapsed <= *Seconds; ++Elapsed)
	{
		std::this_thread::sleep_until(Started + std::chrono::seconds(Elapsed));
		Display("Cooking... (" + std::to_string(Elapsed) + " s)");
		Log::Flush();
	}
}

void FSlowCook::Stop()
{
	if (Worker <= 0)
	{
		return;
	}
	int Status = 0;
	if (waitpid(Worker, &Status, WNOHANG) == Worker)
	{
		Warning("The cook worker (pid " + std::to_string(Worker) + ") ended before the cook");
	}
	else
	{
		// SIGKILL: a worker started by a cook that ignores SIGTERM would ignore it too.
		kill(Worker, SIGKILL);
		while (waitpid(Worker, &Status, 0) < 0 && errno == EINTR)
		{
		}
		Display("Cook worker (pid " + std::to_string(Worker) + ") ended");
	}
	Worker = -1;
}

bool IsCookWorkerSwitch(const char* Argument)
{
	return Argument != nullptr && std::string_view(Argument).starts_with(WorkerSwitch);
}

int RunCookWorker(const char* Argument)
{
	const std::optional<long> Limit = ParseWholeNumber(std::string_view(Argument).substr(WorkerSwitch.size()), FSlowCook::MaxSeconds + WorkerMarginSeconds);
	if (!Limit)
	{
		return EXIT_FAILURE;
	}
	std::this_thread::sleep_for(std::chrono::seconds(*Limit));
	return EXIT_SUCCESS;
}
} // namespace Standin::Editor::Cook
