// The large regions that a big tree's blocks are carved out of, so that a
// big tree asks the heap for memory once per 2 MB rather than once a block.
#pragma once

#include "CoreTypes.h"

namespace JsonTreeRegions
{
	/** The size and alignment of every region. */
	inline constexpr SIZE_T RegionSize = SIZE_T{2} << 20;

	/** A region of RegionSize bytes aligned to its size; null when there is no memory left. */
	void* Allocate();

	/** Gives back a region from Allocate. */
	void Free(void* Region);
}
