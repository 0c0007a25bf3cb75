// The large regions that a big tree's blocks are carved out of: memory
// straight from the system, which it can back with large pages.
#pragma once

#include "CoreTypes.h"

namespace JsonTreeRegions
{
	/** The size and alignment of every region: 2 MB, the size of a large page. */
	inline constexpr SIZE_T RegionSize = SIZE_T{2} << 20;

	/**
	 * A region of RegionSize bytes aligned to its size, backed by large pages
	 * where the system offers them, so that filling it costs one page fault
	 * instead of hundreds. Null when the system has no memory left.
	 */
	void* Allocate();

	/** Gives back a region from Allocate. */
	void Free(void* Region);
}
