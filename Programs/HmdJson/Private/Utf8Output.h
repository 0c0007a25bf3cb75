// FUtf8Output: the text's bytes as UTF-8, without a byte-order mark, for
// people to read and compare. It is not the form the settings module saves.
// A surrogate pair becomes its four-byte sequence, even when the writer's
// pieces part it; an unpaired surrogate keeps its three-byte form, so that
// nothing of the text is lost.
#pragma once

#include "Serialization/ByteBlockBuffer.h"
#include "TextOutput.h"

class FUtf8Output final : public FTextOutput
{
public:
	/** Sink must outlive the output. */
	explicit FUtf8Output(IByteBlockSink& Sink) : Blocks(Sink) {}

	bool Finish() override;
	bool IsUtf16() const override { return false; }

private:
	void TakeUnits(const TCHAR* Units, SIZE_T Count) override;
	void Encode(const TCHAR* Units, SIZE_T Count);

	FByteBlockBuffer Blocks;
	/** A high surrogate that ended the last piece, waiting for the unit after it; 0 for none. */
	TCHAR PendingHigh = 0;
};
