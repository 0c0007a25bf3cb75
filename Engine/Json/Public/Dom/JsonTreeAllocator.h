// FJsonTreeAllocator: makes the shared values of one JSON tree in large
// blocks of memory instead of one heap allocation each. A tree of millions
// of values is then made, and released, many times faster. Past its first
// blocks, a large tree's blocks are carved out of 2 MB regions of the heap.
//
// The values are ordinary shared values: each lives as long as something
// refers to it, and a block goes back to the heap once every value in it is
// released and the allocator has moved on. Values of one block share that
// block's count, so like every tree of the object model, a tree made here
// is used by one thread at a time, including the parts of it held apart.
#pragma once

#include "CoreTypes.h"
#include "JsonApi.h"
#include "JsonGlobals.h"
#include "Templates/SharedPointer.h"

#include <new>
#include <utility>

namespace JsonTreeAllocatorInternals
{
	/** The reference controller of a value made in a block, with the value inside it. */
	template <typename ObjectType>
	class TBlockReferenceController;
}

class JSON_API FJsonTreeAllocator
{
public:
	FJsonTreeAllocator() = default;
	FJsonTreeAllocator(const FJsonTreeAllocator&) = delete;
	FJsonTreeAllocator& operator=(const FJsonTreeAllocator&) = delete;
	/** Lets go of the block being filled; the values made keep living. */
	~FJsonTreeAllocator();

	/** Makes an object in a block and shares it, as MakeShared does on the heap. */
	template <typename ObjectType, typename... ArgTypes>
	TSharedRef<ObjectType> MakeShared(ArgTypes&&... Args)
	{
		// A small tree is not worth a block: its first values come from the heap.
		if (HeapAllocations < MaxHeapAllocations)
		{
			++HeapAllocations;
			return ::MakeShared<ObjectType>(std::forward<ArgTypes>(Args)...);
		}
		using FController = JsonTreeAllocatorInternals::TBlockReferenceController<ObjectType>;
		static_assert(sizeof(FController) <= MaxAllocation, "too large for a block");
		static_assert(alignof(FController) <= Alignment, "aligned more strictly than a block's allocations");
		void* Memory = Allocate(sizeof(FController));
		FController* Controller = nullptr;
		try
		{
			Controller = ::new (Memory) FController(std::forward<ArgTypes>(Args)...);
		}
		catch (...)
		{
			Free(Memory);
			throw;
		}
		ObjectType* Object = Controller->GetObjectPtr();
		return MakeSharedWithController(Object, Controller);
	}

	/** Gives back memory that Allocate handed out; the block goes once nothing in it is used. */
	static void Free(void* Memory);

	/** The alignment of every allocation: values hold pointers and numbers, nothing aligned more strictly. */
	static constexpr SIZE_T Alignment = alignof(void*);

private:
	static constexpr SIZE_T MaxAllocation = 1024;
	static constexpr int32 MaxHeapAllocations = 64;

	void* Allocate(SIZE_T Size);
	/** Makes the next block the one being filled: from the heap while the tree is small, then from a large region. */
	void StartBlock();
	void LeaveBlock();
	void LeaveRegion();

	/** The block being filled, or null. */
	uint8* Block = nullptr;
	SIZE_T Used = 0;
	int32 HeapAllocations = 0;
	int32 HeapBlocks = 0;
	/** The region whose blocks are handed out, or null; the allocator holds it until it moves on. */
	uint8* Region = nullptr;
	/** How many blocks of the region are handed out. */
	SIZE_T RegionBlocks = 0;
};

namespace JsonTreeAllocatorInternals
{
	template <typename ObjectType>
	class TBlockReferenceController final : public SharedPointerInternals::FReferenceControllerBase
	{
	public:
		template <typename... ArgTypes>
		explicit TBlockReferenceController(ArgTypes&&... Args)
		{
			::new (static_cast<void*>(Storage)) ObjectType(std::forward<ArgTypes>(Args)...);
		}
		ObjectType* GetObjectPtr() { return std::launder(reinterpret_cast<ObjectType*>(Storage)); }

		/** The controller deletes itself when its last reference goes: its memory returns to its block. */
		static void operator delete(void* Memory) { FJsonTreeAllocator::Free(Memory); }

	protected:
		void DestroyObject() override { GetObjectPtr()->~ObjectType(); }

	private:
		alignas(ObjectType) unsigned char Storage[sizeof(ObjectType)];
	};
}
