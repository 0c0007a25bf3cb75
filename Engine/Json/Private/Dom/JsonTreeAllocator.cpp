#include "Dom/JsonTreeAllocator.h"

#include "JsonTreeRegions.h"
#include "Misc/AssertionMacros.h"

#include <cstdint>

namespace
{
	// Blocks are aligned to their size, so any address inside one finds the
	// block's header by masking.
	constexpr SIZE_T BlockSize = 16 * 1024;
	constexpr SIZE_T Granularity = FJsonTreeAllocator::Alignment;
	/** A tree's first blocks are heap allocations of their own; the blocks after them are carved out of regions. */
	constexpr int32 MaxHeapBlocks = 16;
	constexpr SIZE_T BlocksPerRegion = JsonTreeRegions::RegionSize / BlockSize;
	static_assert(JsonTreeRegions::RegionSize % BlockSize == 0, "a region holds whole blocks, each aligned to its size");

	/** Lives in the first block of its region: how many blocks of the region are live, the allocator's own hold included. */
	struct FRegionHeader
	{
		SIZE_T LiveBlocks;
	};

	/** The start of every block: how many allocations in it are live, the allocator's own hold included. */
	struct FBlockHeader
	{
		SIZE_T LiveAllocations;
		/** The region the block belongs to, or null for a block of its own from the heap. */
		FRegionHeader* Region;
	};

	constexpr SIZE_T RoundUp(SIZE_T Size)
	{
		return (Size + Granularity - 1) / Granularity * Granularity;
	}
	constexpr SIZE_T HeaderSize = RoundUp(sizeof(FBlockHeader));
	constexpr SIZE_T RegionHeaderSize = RoundUp(sizeof(FRegionHeader));

	FBlockHeader* HeaderOf(void* Memory)
	{
		return reinterpret_cast<FBlockHeader*>(reinterpret_cast<std::uintptr_t>(Memory) & ~static_cast<std::uintptr_t>(BlockSize - 1));
	}

	void ReleaseRegion(FRegionHeader* Region)
	{
		if (--Region->LiveBlocks == 0)
		{
			const std::uintptr_t Base = reinterpret_cast<std::uintptr_t>(Region) & ~static_cast<std::uintptr_t>(JsonTreeRegions::RegionSize - 1);
			Region->~FRegionHeader();
			JsonTreeRegions::Free(reinterpret_cast<void*>(Base));
		}
	}

	void Release(FBlockHeader* Header)
	{
		if (--Header->LiveAllocations == 0)
		{
			FRegionHeader* const Region = Header->Region;
			Header->~FBlockHeader();
			if (Region == nullptr)
			{
				::operator delete(static_cast<void*>(Header), std::align_val_t(BlockSize));
			}
			else
			{
				ReleaseRegion(Region);
			}
		}
	}
}

FJsonTreeAllocator::~FJsonTreeAllocator()
{
	LeaveBlock();
	LeaveRegion();
}

void FJsonTreeAllocator::LeaveBlock()
{
	if (Block != nullptr)
	{
		Release(HeaderOf(Block));
		Block = nullptr;
	}
}

void FJsonTreeAllocator::LeaveRegion()
{
	if (Region != nullptr)
	{
		ReleaseRegion(reinterpret_cast<FRegionHeader*>(Region + HeaderSize));
		Region = nullptr;
	}
}

void FJsonTreeAllocator::StartBlock()
{
	if (HeapBlocks < MaxHeapBlocks)
	{
		Block = static_cast<uint8*>(::operator new(BlockSize, std::align_val_t(BlockSize)));
		::new (static_cast<void*>(Block)) FBlockHeader{1, nullptr};
		Used = HeaderSize;
		++HeapBlocks;
		return;
	}
	if (Region == nullptr || RegionBlocks == BlocksPerRegion)
	{
		LeaveRegion();
		Region = static_cast<uint8*>(JsonTreeRegions::Allocate());
		if (Region == nullptr)
		{
			throw std::bad_alloc();
		}
		// The region's header sits in its first block, after the block's own.
		::new (static_cast<void*>(Region + HeaderSize)) FRegionHeader{1};
		RegionBlocks = 0;
	}
	FRegionHeader* const Header = reinterpret_cast<FRegionHeader*>(Region + HeaderSize);
	Block = Region + RegionBlocks * BlockSize;
	::new (static_cast<void*>(Block)) FBlockHeader{1, Header};
	++Header->LiveBlocks;
	Used = RegionBlocks == 0 ? HeaderSize + RegionHeaderSize : HeaderSize;
	++RegionBlocks;
}

void* FJsonTreeAllocator::Allocate(SIZE_T Size)
{
	check(Size <= MaxAllocation);
	Size = RoundUp(Size);
	if (Block == nullptr || Used + Size > BlockSize)
	{
		LeaveBlock();
		StartBlock();
	}
	void* Memory = Block + Used;
	Used += Size;
	++HeaderOf(Block)->LiveAllocations;
	return Memory;
}

void FJsonTreeAllocator::Free(void* Memory)
{
	Release(HeaderOf(Memory));
}
