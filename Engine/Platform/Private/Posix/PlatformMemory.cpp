#include "HAL/PlatformMemory.h"

#include <sys/mman.h>

#include <cstdint>

void* FPlatformMemory::AllocateLargeRegion()
{
	// Map twice the size and trim, so that what stays is aligned to its size.
	const SIZE_T Size = LargeRegionSize;
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

void FPlatformMemory::FreeLargeRegion(void* Region)
{
	if (Region != nullptr)
	{
		munmap(Region, LargeRegionSize);
	}
}
