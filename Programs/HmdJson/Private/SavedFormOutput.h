// FSavedFormOutput: the text's bytes as the settings module saves a file:
// one byte per character while every code unit is below 128, otherwise the
// mark FF FE and the text as UTF-16 little-endian. Until the first unit of
// 128 or more the text is held back, one byte a unit, since such a unit
// anywhere makes the whole output UTF-16; from that unit on the mark, the
// text held and the rest go out in blocks.
#pragma once

#include "TextOutput.h"

class FSavedFormOutput final : public FTextOutput
{
public:
	explicit FSavedFormOutput(IByteSink& InSink) : FTextOutput(InSink) {}

	bool Finish() override;
	/** True once the text holds a unit of 128 or more. */
	bool IsUtf16() const override { return bWide; }

private:
	void TakeUnits(const TCHAR* Units, SIZE_T Count) override;

	/** Starts the UTF-16 output with the mark and the text held back; everything after it follows. */
	void StartWideOutput();
	/** Adds Units to the block as UTF-16 little-endian. */
	void WriteWide(const TCHAR* Units, SIZE_T Count);

	/** The text so far, one byte a unit, while it is all below 128. */
	TArray<uint8> Held;
	bool bWide = false;
};
