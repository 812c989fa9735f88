// The engine routes every allocation of its processes through its own allocator (each module replaces
// operator new and delete), which keeps memory it has freed for the next request, including a cache of
// large blocks it got from the OS, and takes large blocks in big units. glibc's malloc, left to itself,
// hands freed memory back to the OS and maps it again page by page: building a 40 MB pak list then
// spent more time in page faults (about 10 µs each on the virtual machines we run on) than in the work.
// So the stand-in's engine processes:
// - keep up to KeptFreeMemory of freed heap memory (glibc's trim threshold), and serve blocks below
//   glibc's largest mapping threshold from that heap, so memory freed by one step serves the next;
// - keep a few freed blocks too large for the heap (up to CachedBlocksLimit in all) for later requests
//   of about their size, as the engine's cache of freed OS allocations does;
// - advise every block of 2 MiB or more as transparent huge pages (where the kernel allows it), so
//   the first use of a large block faults 2 MiB at a time.
// Everything is still malloc and free underneath, so blocks from either side may be freed by the other.
//
// Sanitizer builds keep their own allocator, which carries the checks.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <utility>

#include "Standin/Sanitizers.h"

#if !STANDIN_ADDRESS_SANITIZER && !STANDIN_THREAD_SANITIZER
namespace
{
constexpr std::size_t HugePageSize = std::size_t(2) << 20;
constexpr std::uintptr_t PageMask = 4095;
constexpr int KeptFreeMemory = 128 << 20;
// glibc's largest mapping threshold: blocks this large or larger are always mapped on their own.
constexpr int HeapBlockLimit = 32 << 20;
constexpr std::size_t CachedBlocksLimit = std::size_t(256) << 20;

const bool bHeapConfigured = [] {
	::mallopt(M_MMAP_THRESHOLD, HeapBlockLimit);
	::mallopt(M_TRIM_THRESHOLD, KeptFreeMemory);
	return true;
}();

// Freed blocks of HeapBlockLimit or more, each with its usable size.
class FBlockCache
{
public:
	// A cached block that fits Size without wasting more than half of itself, or null.
	void* Take(std::size_t Size)
	{
		std::lock_guard Lock(Mutex);
		for (FEntry& Entry : Entries)
		{
			if (Entry.Block && Entry.Size >= Size && Entry.Size / 2 <= Size)
			{
				CachedBytes -= Entry.Size;
				return std::exchange(Entry.Block, nullptr);
			}
		}
		return nullptr;
	}

	// False when the cache is full: the caller frees the block.
	bool Keep(void* Block, std::size_t Size)
	{
		std::lock_guard Lock(Mutex);
		if (CachedBytes + Size > CachedBlocksLimit)
		{
			return false;
		}
		for (FEntry& Entry : Entries)
		{
			if (!Entry.Block)
			{
				Entry = {Block, Size};
				CachedBytes += Size;
				return true;
			}
		}
		return false;
	}

private:
	struct FEntry
	{
		void* Block = nullptr;
		std::size_t Size = 0;
	};
	std::mutex Mutex;
	std::array<FEntry, 4> Entries{};
	std::size_t CachedBytes = 0;
};

// Never destroyed: blocks are freed while other static objects are torn down.
FBlockCache& GetBlockCache()
{
	static FBlockCache* Cache = new (std::malloc(sizeof(FBlockCache))) FBlockCache();
	return *Cache;
}

// The advice covers the block's pages; the kernel uses huge pages for the 2 MiB stretches wholly
// inside it, and ignores the advice where huge pages are off. A failed call costs nothing but the call.
void AdviseHugePages(void* Block, std::size_t Size)
{
	const std::uintptr_t Begin = reinterpret_cast<std::uintptr_t>(Block) & ~PageMask;
	const std::uintptr_t End = (reinterpret_cast<std::uintptr_t>(Block) + Size + PageMask) & ~PageMask;
	::madvise(reinterpret_cast<void*>(Begin), End - Begin, MADV_HUGEPAGE);
}

void* TryAllocate(std::size_t Size) noexcept
{
	if (Size >= std::size_t(HeapBlockLimit))
	{
		if (void* Cached = GetBlockCache().Take(Size))
		{
			return Cached;
		}
	}
	void* Block = std::malloc(Size ? Size : 1);
	if (Block && Size >= HugePageSize)
	{
		AdviseHugePages(Block, Size);
	}
	return Block;
}

void* Allocate(std::size_t Size)
{
	for (;;)
	{
		if (void* Block = TryAllocate(Size))
		{
			return Block;
		}
		const std::new_handler Handler = std::get_new_handler();
		if (!Handler)
		{
			throw std::bad_alloc();
		}
		Handler();
	}
}

void Release(void* Block) noexcept
{
	if (!Block)
	{
		return;
	}
	const std::size_t Size = ::malloc_usable_size(Block);
	if (Size < std::size_t(HeapBlockLimit) || !GetBlockCache().Keep(Block, Size))
	{
		std::free(Block);
	}
}
} // namespace

void* operator new(std::size_t Size)
{
	return Allocate(Size);
}

void* operator new[](std::size_t Size)
{
	return Allocate(Size);
}

void* operator new(std::size_t Size, const std::nothrow_t&) noexcept
{
	return TryAllocate(Size);
}

void* operator new[](std::size_t Size, const std::nothrow_t&) noexcept
{
	return TryAllocate(Size);
}

void operator delete(void* Block) noexcept
{
	Release(Block);
}

void operator delete[](void* Block) noexcept
{
	Release(Block);
}

void operator delete(void* Block, std::size_t) noexcept
{
	Release(Block);
}

void operator delete[](void* Block, std::size_t) noexcept
{
	Release(Block);
}

void operator delete(void* Block, const std::nothrow_t&) noexcept
{
	Release(Block);
}

void operator delete[](void* Block, const std::nothrow_t&) noexcept
{
	Release(Block);
}
#endif
