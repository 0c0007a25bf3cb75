// IByteBlockSink: where a stream of bytes goes, one block after another:
// standard output, a file, memory. Streams that turn text into bytes hand
// their output over in blocks, so that the receiver sees few, large writes.
#pragma once

#include "CoreTypes.h"

class IByteBlockSink
{
public:
	virtual ~IByteBlockSink() = default;

	/** Takes Size bytes, after everything taken before; false when not all of them could be written. */
	virtual bool Write(const uint8* Bytes, SIZE_T Size) = 0;
};
