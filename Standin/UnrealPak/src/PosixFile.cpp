#include "PosixFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Standin::Pak
{
namespace
{
[[noreturn]] void FailWithErrno(const char* Action, const std::filesystem::path& Path, int Error)
{
	throw FPakError(std::string("unable to ") + Action + " \"" + Path.string() + "\": " + std::strerror(Error));
}
} // namespace

FPosixFile::FPosixFile(int InDescriptor, std::filesystem::path InPath)
	: Descriptor(InDescriptor), FilePath(std::move(InPath))
{
}

FPosixFile::FPosixFile(FPosixFile&& Other) noexcept
	: Descriptor(Other.Descriptor), FilePath(std::move(Other.FilePath))
{
	Other.Descriptor = -1;
}

FPosixFile::~FPosixFile()
{
	if (Descriptor >= 0)
	{
		::close(Descriptor);
	}
}

FPosixFile FPosixFile::OpenRead(const std::filesystem::path& Path)
{
	const int Descriptor = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC);
	if (Descriptor < 0)
	{
		FailWithErrno("open", Path, errno);
	}
	FPosixFile File(Descriptor, Path);
	struct stat Info{};
	if (::fstat(Descriptor, &Info) != 0 || !S_ISREG(Info.st_mode))
	{
		FailWithErrno("read", Path, S_ISDIR(Info.st_mode) ? EISDIR : EINVAL);
	}
	::posix_fadvise(Descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
	return File;
}

FPosixFile FPosixFile::Create(const std::filesystem::path& Path)
{
	std::error_code Ignored;
	if (Path.has_parent_path())
	{
		std::filesystem::create_directories(Path.parent_path(), Ignored);
	}
	const int Descriptor = ::open(Path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
	if (Descriptor < 0)
	{
		FailWithErrno("create", Path, errno);
	}
	return FPosixFile(Descriptor, Path);
}

size_t FPosixFile::ReadSome(void* Buffer, size_t Capacity)
{
	while (true)
	{
		const ssize_t Got = ::read(Descriptor, Buffer, Capacity);
		if (Got >= 0)
		{
			return static_cast<size_t>(Got);
		}
		if (errno != EINTR)
		{
			Fail("read");
		}
	}
}

void FPosixFile::ReadExactAt(void* Buffer, size_t Size, uint64_t Offset)
{
	auto* Bytes = static_cast<uint8_t*>(Buffer);
	while (Size > 0)
	{
		const ssize_t Got = ::pread(Descriptor, Bytes, Size, static_cast<off_t>(Offset));
		if (Got < 0 && errno == EINTR)
		{
			continue;
		}
		if (Got < 0)
		{
			Fail("read");
		}
		if (Got == 0)
		{
			throw FPakError("unexpected end of \"" + FilePath.string() + "\" at byte " + std::to_string(Offset));
		}
		Bytes += Got;
		Size -= static_cast<size_t>(Got);
		Offset += static_cast<uint64_t>(Got);
	}
}

void FPosixFile::WriteAll(const void* Data, size_t Size)
{
	const auto* Bytes = static_cast<const uint8_t*>(Data);
	while (Size > 0)
	{
		const ssize_t Put = ::write(Descriptor, Bytes, Size);
		if (Put < 0 && errno == EINTR)
		{
			continue;
		}
		if (Put <= 0)
		{
			Fail("write");
		}
		Bytes += Put;
		Size -= static_cast<size_t>(Put);
	}
}

void FPosixFile::WriteAllAt(const void* Data, size_t Size, uint64_t Offset)
{
	const auto* Bytes = static_cast<const uint8_t*>(Data);
	while (Size > 0)
	{
		const ssize_t Put = ::pwrite(Descriptor, Bytes, Size, static_cast<off_t>(Offset));
		if (Put < 0 && errno == EINTR)
		{
			continue;
		}
		if (Put <= 0)
		{
			Fail("write");
		}
		Bytes += Put;
		Size -= static_cast<size_t>(Put);
		Offset += static_cast<uint64_t>(Put);
	}
}

uint64_t FPosixFile::Size() const
{
	struct stat Info{};
	if (::fstat(Descriptor, &Info) != 0)
	{
		Fail("examine");
	}
	return static_cast<uint64_t>(Info.st_size);
}

void FPosixFile::Close()
{
	const int Closing = Descriptor;
	Descriptor = -1;
	if (Closing >= 0 && ::close(Closing) != 0 && errno != EINTR)
	{
		Fail("write");
	}
}

void FPosixFile::Fail(const char* Action) const
{
	FailWithErrno(Action, FilePath, errno);
}
} // namespace Standin::Pak
