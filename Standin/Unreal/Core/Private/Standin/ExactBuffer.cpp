#include "Standin/ExactBuffer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

#include "Standin/Sanitizers.h"

namespace Standin
{
#if !STANDIN_ADDRESS_SANITIZER
namespace
{
[[noreturn]] void OutOfMemory(std::size_t Size)
{
	std::fprintf(stderr, "Standin: Error: cannot map %zu bytes for an unterminated string buffer\n", Size);
	std::abort();
}
} // namespace
#endif

FExactBuffer::FExactBuffer(const void* Bytes, std::size_t Size)
{
#if STANDIN_ADDRESS_SANITIZER
	// The sanitizer keeps the bytes after the block poisoned and reports any read of them.
	Block = new char[Size];
	BlockSize = Size;
	Data = Block;
#else
	const std::size_t PageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
	const std::size_t DataPages = (Size + PageSize - 1) / PageSize * PageSize;
	BlockSize = DataPages + PageSize;
	Block = ::mmap(nullptr, BlockSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
	if (Block == MAP_FAILED)
	{
		OutOfMemory(BlockSize);
	}
	char* const Guard = static_cast<char*>(Block) + DataPages;
	if (::mprotect(Guard, PageSize, PROT_NONE) != 0)
	{
		OutOfMemory(BlockSize);
	}
	// The last byte of the string is the last byte before the guard page.
	Data = Guard - Size;
#endif
	if (Size > 0)
	{
		std::memcpy(Data, Bytes, Size);
	}
}

FExactBuffer::~FExactBuffer()
{
	Release();
}

FExactBuffer::FExactBuffer(FExactBuffer&& Other) noexcept
	: Data(std::exchange(Other.Data, nullptr)), Block(std::exchange(Other.Block, nullptr)),
	  BlockSize(std::exchange(Other.BlockSize, 0))
{
}

FExactBuffer& FExactBuffer::operator=(FExactBuffer&& Other) noexcept
{
	if (this != &Other)
	{
		Release();
		Data = std::exchange(Other.Data, nullptr);
		Block = std::exchange(Other.Block, nullptr);
		BlockSize = std::exchange(Other.BlockSize, 0);
	}
	return *this;
}

void FExactBuffer::Release()
{
	if (Block == nullptr)
	{
		return;
	}
#if STANDIN_ADDRESS_SANITIZER
	delete[] static_cast<char*>(Block);
#else
	::munmap(Block, BlockSize);
#endif
	Block = nullptr;
	Data = nullptr;
	BlockSize = 0;
}
} // namespace Standin
