// FTextOutput: the stream a JSON writer hands its text to, which turns the
// text into bytes as it comes and gives them to a sink in blocks, so that a
// document's text is never held whole on its way to standard output,
// however long it grows. The encoding is the subclass's.
//
// As the in-memory sink does when it delivers its text, it leaves out NUL
// units. It has no size limit of its own: what it takes is written out.
#pragma once

#include "Serialization/Archive.h"

class FTextOutput : public FArchive
{
public:
	/** Takes Num bytes, which must be whole code units. */
	void Serialize(void* Data, int64 Num) final;

	/** Writes out whatever is still in the block; false when the sink refused any byte so far. */
	virtual bool Finish() = 0;
	/** True when the bytes are UTF-16, which a terminal shows as garbage with NUL bytes. */
	virtual bool IsUtf16() const = 0;

protected:
	FTextOutput();

	/** Takes Count units (Count > 0), none of them NUL, in the order of the text. */
	virtual void TakeUnits(const TCHAR* Units, SIZE_T Count) = 0;
};
