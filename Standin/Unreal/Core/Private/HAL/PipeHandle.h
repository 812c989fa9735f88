// What the pipe handles of FPlatformProcess (CreatePipe's void*) point to: one end of a pipe.
#pragma once

namespace Standin::Process
{
struct FPipeHandle
{
	// Close-on-exec: a child gets a pipe only as one of its standard descriptors.
	int Fd = -1;
};

// The descriptor behind a pipe handle; -1 for null.
inline int GetPipeDescriptor(void* Pipe)
{
	return Pipe != nullptr ? static_cast<FPipeHandle*>(Pipe)->Fd : -1;
}
} // namespace Standin::Process
