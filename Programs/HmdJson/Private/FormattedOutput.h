// FFormattedOutput: the stream a JSON writer hands its text to, which writes
// the text's file bytes to standard output as it comes: one byte per
// character while every code unit is below 128, otherwise the mark FF FE and
// the text as UTF-16 little-endian. Until the first unit of 128 or more the
// text is held back, one byte a unit, since such a unit anywhere makes the
// whole output UTF-16; from that unit on the mark, the text held and the rest
// go out in blocks of a mebibyte, so a large document is never held whole
// and takes few writes.
//
// It stands in for the memory writer that collects a writer's text: NUL
// units are dropped, and it stops the program with that writer's message
// when the text grows beyond the memory writer's limit.
#pragma once

#include "Containers/Array.h"
#include "Serialization/Archive.h"

#include <memory>

class FFormattedOutput final : public FArchive
{
public:
	FFormattedOutput();

	/** Takes Num bytes, which must be whole code units. */
	void Serialize(void* Data, int64 Num) override;
	int64 Tell() override { return NumBytes; }
	int64 TotalSize() override { return NumBytes; }
	FString GetArchiveName() const override;

	/** Writes out whatever is still held back; false when standard output refused any byte so far. */
	bool Finish();

private:
	/** Starts the UTF-16 output with the mark and the text held back; everything after it follows. */
	void StartWideOutput();
	/** Adds Units to the block of UTF-16 output, writing the block whenever it fills. */
	void WriteWide(const TCHAR* Units, SIZE_T Count);
	void WriteBlock();
	void Write(const uint8* Bytes, SIZE_T Size);

	/** The text so far, one byte a unit, while it is all below 128. */
	TArray<uint8> Held;
	/** UTF-16 output not yet written, once the output is UTF-16. */
	std::unique_ptr<uint8[]> Block;
	SIZE_T BlockUsed = 0;
	int64 NumBytes = 0;
	bool bWide = false;
	bool bWriteFailed = false;
};
