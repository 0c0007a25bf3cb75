// Large regions of memory straight from the operating system, for allocators
// that carve many small objects out of them.
#pragma once

#include "CoreTypes.h"

#ifndef PLATFORM_API
#define PLATFORM_API HMD_DLLIMPORT
#endif

struct PLATFORM_API FPlatformMemory
{
	/** The size and alignment of every large region: 2 MB, the size of a large page. */
	static constexpr SIZE_T LargeRegionSize = SIZE_T{2} << 20;

	/**
	 * A region of LargeRegionSize bytes aligned to its size, backed by large
	 * pages where the system offers them, so that filling it costs one page
	 * fault instead of hundreds. Null when the system has no memory left.
	 */
	static void* AllocateLargeRegion();

	/** Gives back a region from AllocateLargeRegion. */
	static void FreeLargeRegion(void* Region);
};
