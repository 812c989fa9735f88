// A file descriptor with the few operations the pak writer and reader need; every failure is an
// FPakError naming the file and the system's reason.
#pragma once

#include "Standin/Pak/PakFormat.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace Standin::Pak
{
class FPosixFile
{
public:
	static FPosixFile OpenRead(const std::filesystem::path& Path);
	// Creates or truncates, making the parent folders first.
	static FPosixFile Create(const std::filesystem::path& Path);

	FPosixFile(FPosixFile&& Other) noexcept;
	FPosixFile& operator=(FPosixFile&& Other) = delete;
	~FPosixFile();

	// Reads what is available up to Capacity; 0 at the end of the file.
	size_t ReadSome(void* Buffer, size_t Capacity);
	void ReadExactAt(void* Buffer, size_t Size, uint64_t Offset);
	void WriteAll(const void* Data, size_t Size);
	void WriteAllAt(const void* Data, size_t Size, uint64_t Offset);
	uint64_t Size() const;
	// Closes now, reporting what close() reports (a delayed write error, for example).
	void Close();

	const std::filesystem::path& Path() const { return FilePath; }

private:
	FPosixFile(int InDescriptor, std::filesystem::path InPath);
	[[noreturn]] void Fail(const char* Action) const;

	int Descriptor;
	std::filesystem::path FilePath;
};
} // namespace Standin::Pak
