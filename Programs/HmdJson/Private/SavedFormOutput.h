// FSavedFormOutput: the text's bytes as the settings module saves a file,
// through the same encoder: one byte per character when every code unit is
// below 128, otherwise the mark FF FE and the text as UTF-16 little-endian.
// The form is stated when the output is made (SavedForm.h tells it from the
// tree before any text is written), so nothing is held back.
#pragma once

#include "Misc/TextFileEncoder.h"
#include "TextOutput.h"

class FSavedFormOutput final : public FTextOutput
{
public:
	/** Sink must outlive the output. */
	FSavedFormOutput(IByteBlockSink& Sink, ETextFileForm Form) : Encoder(Sink, Form) {}

	bool Finish() override { return Encoder.Finish(); }
	bool IsUtf16() const override { return Encoder.GetForm() == ETextFileForm::Utf16; }

private:
	void TakeUnits(const TCHAR* Units, SIZE_T Count) override { Encoder.Push(Units, Count); }

	FTextFileEncoder Encoder;
};
