#include "Serialization/BufferReader.h"

FBufferReader::FBufferReader(const void* Data, int64 Size, bool bInIsPersistent)
	: ReaderData(static_cast<const uint8*>(Data)), ReaderSize(Size)
{
	check(Size >= 0);
	SetIsLoading(true);
	SetIsPersistent(bInIsPersistent);
}
