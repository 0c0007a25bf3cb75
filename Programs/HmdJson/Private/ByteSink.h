// Where the bytes of formatted text go: standard output as they come, or
// memory, for a file that is written whole.
#pragma once

#include "CoreTypes.h"

#include <vector>

class IByteSink
{
public:
	virtual ~IByteSink() = default;

	/** Takes Size bytes; false when not all of them could be written. */
	virtual bool Write(const uint8* Bytes, SIZE_T Size) = 0;
};

class FStandardOutputSink final : public IByteSink
{
public:
	bool Write(const uint8* Bytes, SIZE_T Size) override;
};

/** Collects the bytes; running out of memory throws std::bad_alloc. */
class FMemorySink final : public IByteSink
{
public:
	bool Write(const uint8* Bytes, SIZE_T Size) override;

	const std::vector<uint8>& GetBytes() const { return Bytes; }

private:
	std::vector<uint8> Bytes;
};
