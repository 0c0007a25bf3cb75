#include "JsonTreeRegions.h"

#include <cstdint>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define JSON_TREE_REGIONS_FROM_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define JSON_TREE_REGIONS_FROM_HEAP 1
#endif

#if defined(JSON_TREE_REGIONS_FROM_HEAP)

// Under AddressSanitizer the regions are heap blocks: its leak checker
// scans only the heap, the stacks and the globals for pointers, so values
// held only from a region of the system's would all look leaked, and a
// tree that really leaked would go unreported. As heap blocks, the regions
// are scanned, reported when lost, and guarded like any other block.
void* JsonTreeRegions::Allocate()
{
	return ::operator new(RegionSize, std::align_val_t(RegionSize), std::nothrow);
}

void JsonTreeRegions::Free(void* Region)
{
	::operator delete(Region, std::align_val_t(RegionSize));
}

#elif defined(_WIN32)

#include <malloc.h>

// Large pages on Windows need a privilege that ordinary users lack, so the
// region is plain aligned heap memory.
void* JsonTreeRegions::Allocate()
{
	return _aligned_malloc(RegionSize, RegionSize);
}

void JsonTreeRegions::Free(void* Region)
{
	_aligned_free(Region);
}

#else

#include <sys/mman.h>

void* JsonTreeRegions::Allocate()
{
	// Map twice the size and trim, so that what stays is aligned to its size.
	const SIZE_T Size = RegionSize;
	void* const Mapped = mmap(nullptr, Size * 2, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
	if (Mapped == MAP_FAILED)
	{
		return nullptr;
	}
	uint8* const Start = static_cast<uint8*>(Mapped);
	const std::uintptr_t Address = reinterpret_cast<std::uintptr_t>(Start);
	uint8* const Region = Start + ((Size - Address % Size) % Size);
	if (Region > Start)
	{
		munmap(Start, static_cast<SIZE_T>(Region - Start));
	}
	uint8* const End = Start + Size * 2;
	if (Region + Size < End)
	{
		munmap(Region + Size, static_cast<SIZE_T>(End - (Region + Size)));
	}
#ifdef MADV_HUGEPAGE
	// Only a hint: without large pages the region works the same.
	madvise(Region, Size, MADV_HUGEPAGE);
#endif
	return Region;
}

void JsonTreeRegions::Free(void* Region)
{
	if (Region != nullptr)
	{
		munmap(Region, RegionSize);
	}
}

#endif
