// FPlatformProcess::CreateProc and the calls on its handles, as the engine's Windows build has them.
#include "HAL/ChildProcess.h"
#include "HAL/PipeHandle.h"
#include "HAL/PlatformProcess.h"
#include "HAL/ProcessRunner.h"

#include "Logging/LogMacros.h"
#include "Misc/AssertionMacros.h"
#include "Standin/Machine.h"
#include "Standin/StringUtf8.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

DEFINE_LOG_CATEGORY_STATIC(LogWindows, Log, All);

namespace
{
using Standin::Process::FChild;

// The children by handle value. Handle values are never reused, so a closed handle (or a copy of
// one) finds nothing, as a closed Windows handle is no longer valid.
class FChildRegistry
{
public:
	static FChildRegistry& Get()
	{
		static FChildRegistry* Registry = new FChildRegistry();
		return *Registry;
	}

	FProcHandle Add(std::shared_ptr<FChild> Child)
	{
		std::lock_guard Lock(Mutex);
		void* const Handle = reinterpret_cast<void*>(NextHandle++);
		Children.emplace(Handle, std::move(Child));
		return FProcHandle(Handle);
	}

	std::shared_ptr<FChild> Find(const FProcHandle& Handle)
	{
		std::lock_guard Lock(Mutex);
		const auto Found = Children.find(Handle.Get());
		return Found == Children.end() ? nullptr : Found->second;
	}

	std::shared_ptr<FChild> Remove(const FProcHandle& Handle)
	{
		std::lock_guard Lock(Mutex);
		const auto Found = Children.find(Handle.Get());
		if (Found == Children.end())
		{
			return nullptr;
		}
		std::shared_ptr<FChild> Child = std::move(Found->second);
		Children.erase(Found);
		return Child;
	}

private:
	std::mutex Mutex;
	std::map<void*, std::shared_ptr<FChild>> Children;
	std::uintptr_t NextHandle = 1;
};

// What FormatMessage says for the codes a failed start gives.
const TCHAR* DescribeWindowsError(int Code)
{
	switch (Code)
	{
	case 2:
		return TEXT("The system cannot find the file specified.");
	case 5:
		return TEXT("Access is denied.");
	case 193:
		return TEXT("%1 is not a valid Win32 application.");
	case 267:
		return TEXT("The directory name is invalid.");
	default:
		return TEXT("A device attached to the system is not functioning.");
	}
}

FProcHandle StartFailed(int WindowsError, const TCHAR* URL, const TCHAR* Parms, uint32* OutProcessID)
{
	UE_LOG(LogWindows, Warning, TEXT("CreateProc failed: %s (0x%08x)"), DescribeWindowsError(WindowsError), WindowsError);
	UE_LOG(LogWindows, Warning, TEXT("URL: %s %s"), URL, Parms);
	if (OutProcessID != nullptr)
	{
		*OutProcessID = 0;
	}
	return FProcHandle();
}
} // namespace

FProcHandle FPlatformProcess::CreateProc(const TCHAR* URL, const TCHAR* Parms, bool bLaunchDetached, bool bLaunchHidden,
										 bool bLaunchReallyHidden, uint32* OutProcessID, int32 PriorityModifier,
										 const TCHAR* OptionalWorkingDirectory, void* PipeWriteChild, void* PipeReadChild)
{
	namespace Process = Standin::Process;
	// As on Windows: the URL is quoted by CreateProc itself, the parameters follow as they are.
	const FString CommandLine = FString::Printf(TEXT("\"%s\" %s"), URL, Parms);
	Process::FCommand Command;
	Process::FStartFailure Failure;
	if (!Process::PrepareCommand(std::u16string_view(*CommandLine, CommandLine.Len()), Command, Failure))
	{
		return StartFailed(Process::WindowsStartError(Failure.Error), URL, Parms, OutProcessID);
	}
	std::filesystem::path WorkingFolder;
	if (OptionalWorkingDirectory != nullptr && *OptionalWorkingDirectory != 0)
	{
		constexpr int BadFolder = 267;
		WorkingFolder = Standin::ToHostPath(FString(OptionalWorkingDirectory));
		std::error_code Error;
		if (!std::filesystem::is_directory(WorkingFolder, Error))
		{
			return StartFailed(BadFolder, URL, Parms, OutProcessID);
		}
	}
	const int Output = Process::GetPipeDescriptor(PipeWriteChild);
	const Process::FChildStdio Stdio{Process::GetPipeDescriptor(PipeReadChild), Output, Output};
	const pid_t Pid = Process::Spawn(Command, Stdio, WorkingFolder, Failure);
	if (Pid < 0)
	{
		return StartFailed(Process::WindowsStartError(Failure.Error), URL, Parms, OutProcessID);
	}
	if (OutProcessID != nullptr)
	{
		*OutProcessID = static_cast<uint32>(Pid);
	}
	return FChildRegistry::Get().Add(std::make_shared<FChild>(Pid));
}

bool FPlatformProcess::IsProcRunning(FProcHandle& ProcessHandle)
{
	const std::shared_ptr<FChild> Child = FChildRegistry::Get().Find(ProcessHandle);
	return Child != nullptr && !Child->HasExited();
}

void FPlatformProcess::WaitForProc(FProcHandle& ProcessHandle)
{
	if (const std::shared_ptr<FChild> Child = FChildRegistry::Get().Find(ProcessHandle))
	{
		Child->Wait();
	}
}

void FPlatformProcess::CloseProc(FProcHandle& ProcessHandle)
{
	if (const std::shared_ptr<FChild> Child = FChildRegistry::Get().Remove(ProcessHandle))
	{
		Child->ReapWhenDone();
	}
	ProcessHandle.Reset();
}

void FPlatformProcess::TerminateProc(FProcHandle& ProcessHandle, bool KillTree)
{
	const std::shared_ptr<FChild> Child = FChildRegistry::Get().Find(ProcessHandle);
	if (Child == nullptr)
	{
		return;
	}
	if (KillTree && !Child->HasExited())
	{
		Standin::Process::TerminateDescendants(Child->GetPid());
	}
	Child->Terminate();
}

bool FPlatformProcess::GetProcReturnCode(FProcHandle& ProcHandle, int32* ReturnCode)
{
	check(ReturnCode != nullptr);
	const std::shared_ptr<FChild> Child = FChildRegistry::Get().Find(ProcHandle);
	int ExitCode = 0;
	if (Child == nullptr || !Child->TryGetExitCode(ExitCode))
	{
		return false;
	}
	*ReturnCode = ExitCode;
	return true;
}
