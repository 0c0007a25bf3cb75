// FTextOutput: the stream a JSON writer hands its text to, which turns the
// text into bytes as it comes and gives them to a sink, in blocks of a
// mebibyte, so that a large document is never held whole on its way to
// standard output and takes few writes. The encoding is the subclass's.
//
// It stands in for the memory writer that collects a writer's text: NUL
// units are dropped, and it stops the program with that writer's message
// when the text grows beyond the memory writer's limit.
#pragma once

#include "ByteSink.h"
#include "Containers/Array.h"
#include "Serialization/Archive.h"

#include <memory>

class FTextOutput : public FArchive
{
public:
	/** Takes Num bytes, which must be whole code units. */
	void Serialize(void* Data, int64 Num) final;
	int64 Tell() final { return NumBytes; }
	int64 TotalSize() final { return NumBytes; }
	FString GetArchiveName() const final;

	/** Writes out whatever is still held back; false when the sink refused any byte so far. */
	virtual bool Finish() = 0;
	/** True when the bytes are UTF-16, which a terminal shows as garbage with NUL bytes. */
	virtual bool IsUtf16() const = 0;

protected:
	/** Sink must outlive the output. */
	explicit FTextOutput(IByteSink& InSink);

	/** Takes Count units (Count > 0), none of them NUL, in the order of the text. */
	virtual void TakeUnits(const TCHAR* Units, SIZE_T Count) = 0;

	/** At least MinBytes (at most a block) of free room at the end of the block, writing the block first when it has less. */
	uint8* BlockRoom(SIZE_T MinBytes, SIZE_T& OutFree);
	/** Counts Bytes more of the room as filled. */
	void CommitToBlock(SIZE_T Bytes) { BlockUsed += Bytes; }
	/** Adds Size bytes to the block, writing it whenever it fills. */
	void AppendToBlock(const uint8* Bytes, SIZE_T Size);
	/** Writes the block's content to the sink and empties it. */
	void WriteBlock();
	/** Writes bytes to the sink directly, after whatever went out before. */
	void Write(const uint8* Bytes, SIZE_T Size);
	/** True when the sink refused a write; nothing is written after that, so the output never has a gap. */
	bool HasWriteFailed() const { return bWriteFailed; }

private:
	IByteSink& Sink;
	/** Output not yet written. */
	std::unique_ptr<uint8[]> Block;
	SIZE_T BlockUsed = 0;
	int64 NumBytes = 0;
	bool bWriteFailed = false;
};
