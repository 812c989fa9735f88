// FPlatformProcess's pipes, as on Windows: reading takes what the pipe holds at that moment
// (PeekNamedPipe's count, then one read of that much) and never waits for more.
#include "Containers/StringConv.h"
#include "HAL/PipeHandle.h"
#include "HAL/PlatformProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

namespace
{
using Standin::Process::FPipeHandle;
using Standin::Process::GetPipeDescriptor;

enum class EReadResult
{
	Nothing,
	Read,
	Failed
};

// One read of what the pipe holds now; Nothing when it holds nothing (or its writers are gone).
EReadResult ReadWhatWaits(void* Pipe, std::string& Out)
{
	const int Fd = GetPipeDescriptor(Pipe);
	int Available = 0;
	if (Fd < 0 || ::ioctl(Fd, FIONREAD, &Available) != 0 || Available <= 0)
	{
		return EReadResult::Nothing;
	}
	Out.resize(static_cast<size_t>(Available));
	ssize_t Count = 0;
	do
	{
		Count = ::read(Fd, Out.data(), Out.size());
	} while (Count < 0 && errno == EINTR);
	if (Count <= 0)
	{
		Out.clear();
		return EReadResult::Failed;
	}
	Out.resize(static_cast<size_t>(Count));
	return EReadResult::Read;
}

void ClosePipeEnd(void* Pipe)
{
	if (Pipe != nullptr)
	{
		::close(GetPipeDescriptor(Pipe));
		delete static_cast<FPipeHandle*>(Pipe);
	}
}
} // namespace

bool FPlatformProcess::CreatePipe(void*& ReadPipe, void*& WritePipe)
{
	int Ends[2];
	if (::pipe2(Ends, O_CLOEXEC) != 0)
	{
		return false;
	}
	ReadPipe = new FPipeHandle{Ends[0]};
	WritePipe = new FPipeHandle{Ends[1]};
	return true;
}

void FPlatformProcess::ClosePipe(void* ReadPipe, void* WritePipe)
{
	ClosePipeEnd(ReadPipe);
	ClosePipeEnd(WritePipe);
}

FString FPlatformProcess::ReadPipe(void* ReadPipe)
{
	std::string Bytes;
	if (ReadWhatWaits(ReadPipe, Bytes) != EReadResult::Read)
	{
		return FString();
	}
	// As the engine does: each chunk decoded on its own, up to its first zero byte. A character split
	// between two reads comes out as '?' characters.
	return FString(FUTF8ToTCHAR(Bytes.c_str()).Get());
}

bool FPlatformProcess::ReadPipeToArray(void* ReadPipe, TArray<uint8>& Output)
{
	std::string Bytes;
	switch (ReadWhatWaits(ReadPipe, Bytes))
	{
	case EReadResult::Read:
		Output = TArray<uint8>(reinterpret_cast<const uint8*>(Bytes.data()), static_cast<int32>(Bytes.size()));
		return true;
	case EReadResult::Failed:
		Output.Empty();
		return false;
	default:
		return false;
	}
}
