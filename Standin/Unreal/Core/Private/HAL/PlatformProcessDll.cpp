// FPlatformProcess's DLL functions on the host's dynamic loader, with the engine's Windows behaviour:
// LoadLibrary's answers, its log line on failure, and the checked stack of DLL folders.
#include "HAL/PlatformProcess.h"

#include "Logging/LogMacros.h"
#include "Misc/AssertionMacros.h"
#include "Standin/Machine.h"

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <mutex>
#include <optional>
#include <vector>

DEFINE_LOG_CATEGORY_STATIC(LogWindows, Log, All);

namespace
{
// GetLastError() after a failed LoadLibrary.
constexpr int32 ModuleNotFound = 126; // ERROR_MOD_NOT_FOUND
constexpr int32 BadExeFormat = 193;	  // ERROR_BAD_EXE_FORMAT

struct FDllDirectories
{
	std::mutex Mutex;
	std::vector<FString> Stack;
};

FDllDirectories& DllDirectories()
{
	static FDllDirectories Instance;
	return Instance;
}

bool IsBareName(std::u16string_view Filename)
{
	return Filename.find_first_of(u"/\\") == std::u16string_view::npos && !Standin::Machine::IsDrivePath(Filename);
}

// The file LoadLibrary would take for a bare name: the DLL folder set last (SetDllDirectory), then
// the program's folder. Nothing else of the Windows search path exists here.
std::optional<std::filesystem::path> SearchDllFolders(std::u16string_view Filename)
{
	std::vector<std::filesystem::path> Folders;
	{
		FDllDirectories& Directories = DllDirectories();
		std::lock_guard Lock(Directories.Mutex);
		if (!Directories.Stack.empty())
		{
			Folders.push_back(Standin::Machine::ToHostPath(std::u16string_view(*Directories.Stack.back())));
		}
	}
	Folders.push_back(Standin::Machine::ToHostPath(std::u16string_view(FPlatformProcess::BaseDir())));
	for (const std::filesystem::path& Folder : Folders)
	{
		std::error_code Error;
		const std::filesystem::path Candidate = Folder / Standin::Machine::ToUtf8(Filename);
		if (std::filesystem::exists(Candidate, Error))
		{
			return Candidate;
		}
	}
	return std::nullopt;
}

void* FailedToLoad(const TCHAR* Filename, int32 LastError)
{
	UE_LOG(LogWindows, Log, TEXT("Failed to load '%s' (GetLastError=%d)"), Filename, LastError);
	return nullptr;
}
} // namespace

void* FPlatformProcess::GetDllHandle(const TCHAR* Filename)
{
	check(Filename);
	const std::u16string_view Name(Filename);
	std::optional<std::filesystem::path> File;
	if (IsBareName(Name))
	{
		// A module already loaded under that name is handed out again.
		if (void* Loaded = ::dlopen(Standin::Machine::ToUtf8(Name).c_str(), RTLD_NOW | RTLD_NOLOAD))
		{
			return Loaded;
		}
		File = SearchDllFolders(Name);
	}
	else
	{
		std::error_code Error;
		// Relative paths are taken from the working folder, as the engine makes them full from there.
		const std::filesystem::path Host = std::filesystem::absolute(Standin::Machine::ToHostPath(Name), Error);
		if (!Error && std::filesystem::exists(Host, Error))
		{
			File = Host;
		}
	}
	if (!File)
	{
		return FailedToLoad(Filename, ModuleNotFound);
	}
	void* Handle = ::dlopen(File->c_str(), RTLD_NOW | RTLD_LOCAL);
	if (!Handle)
	{
		// Windows says no more than the code; the loader's reason helps whoever reads the output.
		std::fprintf(stderr, "Standin: %s\n", ::dlerror());
		return FailedToLoad(Filename, BadExeFormat);
	}
	return Handle;
}

void FPlatformProcess::FreeDllHandle(void* DllHandle)
{
	if (DllHandle)
	{
		::dlclose(DllHandle);
	}
}

void FPlatformProcess::PushDllDirectory(const TCHAR* Directory)
{
	FDllDirectories& Directories = DllDirectories();
	std::lock_guard Lock(Directories.Mutex);
	Directories.Stack.push_back(FString(Directory));
}

void FPlatformProcess::PopDllDirectory(const TCHAR* Directory)
{
	FDllDirectories& Directories = DllDirectories();
	std::unique_lock Lock(Directories.Mutex);
	const int32 ArrayNum = static_cast<int32>(Directories.Stack.size());
	const FString Top = ArrayNum > 0 ? Directories.Stack.back() : FString();
	if (ArrayNum > 0 && Top == Directory)
	{
		Directories.Stack.pop_back();
		return;
	}
	Lock.unlock();
	ensureMsgf(ArrayNum > 0, TEXT("Tried to PopDllDirectory too many times"));
	// The engine's stack is a TArray: Top() of an empty one fails its index check.
	const int32 Index = ArrayNum - 1;
	checkf((Index >= 0) & (Index < ArrayNum), TEXT("Array index out of bounds: %i from an array of size %i"), Index, ArrayNum);
	checkf(Top == Directory, TEXT("There was a PushDllDirectory/PopDllDirectory mismatch (Popped %s, which didn't match %s)"), *Top,
		   Directory);
}
