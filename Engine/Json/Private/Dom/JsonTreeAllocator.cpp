#include "Dom/JsonTreeAllocator.h"

#include "Misc/AssertionMacros.h"

#include <cstdint>

namespace
{
	// Blocks are aligned to their size, so any address inside one finds the
	// block's header by masking.
	constexpr SIZE_T BlockSize = 16 * 1024;
	constexpr SIZE_T Granularity = alignof(std::max_align_t);

	/** The start of every block: how many allocations in it are live, the allocator's own hold included. */
	struct FBlockHeader
	{
		SIZE_T LiveAllocations;
	};
	constexpr SIZE_T HeaderSize = (sizeof(FBlockHeader) + Granularity - 1) / Granularity * Granularity;

	FBlockHeader* HeaderOf(void* Memory)
	{
		return reinterpret_cast<FBlockHeader*>(reinterpret_cast<std::uintptr_t>(Memory) & ~static_cast<std::uintptr_t>(BlockSize - 1));
	}

	void Release(FBlockHeader* Header)
	{
		if (--Header->LiveAllocations == 0)
		{
			Header->~FBlockHeader();
			::operator delete(static_cast<void*>(Header), std::align_val_t(BlockSize));
		}
	}
}

FJsonTreeAllocator::~FJsonTreeAllocator()
{
	LeaveBlock();
}

void FJsonTreeAllocator::LeaveBlock()
{
	if (Block != nullptr)
	{
		Release(HeaderOf(Block));
		Block = nullptr;
	}
}

void* FJsonTreeAllocator::Allocate(SIZE_T Size)
{
	check(Size <= MaxAllocation);
	Size = (Size + Granularity - 1) / Granularity * Granularity;
	if (Block == nullptr || Used + Size > BlockSize)
	{
		LeaveBlock();
		Block = static_cast<uint8*>(::operator new(BlockSize, std::align_val_t(BlockSize)));
		::new (static_cast<void*>(Block)) FBlockHeader{1};
		Used = HeaderSize;
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
