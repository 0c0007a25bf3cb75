// FByteBlockBuffer: gathers bytes into one block and hands the block to a
// sink whenever it fills, and on Flush. Once the sink refuses a block,
// nothing more is handed to it, so what it took never has a gap.
#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"
#include "Serialization/ByteBlockSink.h"

#include <memory>

class CORE_API FByteBlockBuffer
{
public:
	/** A mebibyte: few writes for a large output, and the block stays in the caches. */
	static constexpr SIZE_T DefaultBlockBytes = SIZE_T{1} << 20;

	/** Sink must outlive the buffer. BlockBytes is at least 2, room for one UTF-16 code unit. */
	explicit FByteBlockBuffer(IByteBlockSink& InSink, SIZE_T InBlockBytes = DefaultBlockBytes);

	/** At least MinBytes (at most the block's size) of free room at the end of the block, handing the block over first when it has less. */
	uint8* Room(SIZE_T MinBytes, SIZE_T& OutFree);
	/** Counts Bytes more of the room as filled. */
	void Commit(SIZE_T Bytes) { Used += Bytes; }
	/** Adds Size bytes, handing the block over whenever it fills. */
	void Append(const uint8* Bytes, SIZE_T Size);
	/** Hands what the block holds to the sink; false when the sink refused this or any earlier block. */
	bool Flush();

private:
	IByteBlockSink& Sink;
	SIZE_T BlockBytes;
	/** Made on first use, so an output that stays empty allocates nothing. */
	std::unique_ptr<uint8[]> Block;
	SIZE_T Used = 0;
	bool bFailed = false;
};
