#include "HAL/PlatformMemory.h"

#include <malloc.h>

// Large pages on Windows need a privilege that ordinary users lack, so the
// region is plain aligned heap memory.
void* FPlatformMemory::AllocateLargeRegion()
{
	return _aligned_malloc(LargeRegionSize, LargeRegionSize);
}

void FPlatformMemory::FreeLargeRegion(void* Region)
{
	_aligned_free(Region);
}
