#include "Serialization/ByteBlockBuffer.h"

#include "Misc/AssertionMacros.h"

#include <algorithm>
#include <cstring>

FByteBlockBuffer::FByteBlockBuffer(IByteBlockSink& InSink, SIZE_T InBlockBytes)
	: Sink(InSink), BlockBytes(InBlockBytes)
{
	check(BlockBytes >= 2);
}

uint8* FByteBlockBuffer::Room(SIZE_T MinBytes, SIZE_T& OutFree)
{
	check(MinBytes <= BlockBytes);
	if (!Block)
	{
		Block = std::make_unique_for_overwrite<uint8[]>(BlockBytes);
	}
	if (BlockBytes - Used < MinBytes)
	{
		Flush();
	}
	OutFree = BlockBytes - Used;
	return Block.get() + Used;
}

void FByteBlockBuffer::Append(const uint8* Bytes, SIZE_T Size)
{
	while (Size > 0)
	{
		SIZE_T Free = 0;
		uint8* const Out = Room(1, Free);
		const SIZE_T Taken = std::min(Size, Free);
		std::memcpy(Out, Bytes, Taken);
		Commit(Taken);
		Bytes += Taken;
		Size -= Taken;
	}
}

bool FByteBlockBuffer::Flush()
{
	if (!bFailed && Used > 0 && !Sink.Write(Block.get(), Used))
	{
		bFailed = true;
	}
	Used = 0;
	return !bFailed;
}
