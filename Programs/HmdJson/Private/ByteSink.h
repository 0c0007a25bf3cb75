// Where the bytes of formatted text go: standard output as they come, or
// memory, for a file that is written whole.
#pragma once

#include "Serialization/ByteBlockSink.h"

#include <vector>

class FStandardOutputSink final : public IByteBlockSink
{
public:
	bool Write(const uint8* Bytes, SIZE_T Size) override;
};

/** Collects the bytes; running out of memory throws std::bad_alloc. */
class FMemorySink final : public IByteBlockSink
{
public:
	bool Write(const uint8* Bytes, SIZE_T Size) override;

	const std::vector<uint8>& GetBytes() const { return Bytes; }

private:
	std::vector<uint8> Bytes;
};
