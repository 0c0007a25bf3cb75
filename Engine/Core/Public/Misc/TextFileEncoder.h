// FTextFileEncoder: the bytes of a text file as a stream. Code units go in
// as the text is made, and blocks of bytes come out to a sink.
//
// A text file holds one byte per character when every code unit of the
// text is below 128, and otherwise the byte-order mark FF FE followed by
// the text as UTF-16 little-endian. A single unit anywhere decides the form
// of the whole file, so the form is not guessed from the units seen so far:
// the caller states it when the encoder is made, from the whole text
// (FormOf) or from what it knows of the text to come. Nothing is then held
// back; memory stays at one block however long the text is.
#pragma once

#include "CoreApi.h"
#include "CoreTypes.h"
#include "Serialization/ByteBlockBuffer.h"

#include <string_view>

enum class ETextFileForm : uint8
{
	/** One byte per character: every code unit is below 128. */
	Ascii,
	/** The mark FF FE, then UTF-16 little-endian. */
	Utf16,
};

class CORE_API FTextFileEncoder
{
public:
	/** The form of a file that holds Text. */
	static ETextFileForm FormOf(std::u16string_view Text);

	/**
	 * Writes the first of the Count units at Units as one byte each at Out,
	 * for as long as they are below 128, and tells how many it wrote: an
	 * ASCII file's bytes, and the ASCII runs of any other byte form.
	 */
	static SIZE_T NarrowAscii(const TCHAR* Units, SIZE_T Count, uint8* Out);

	/**
	 * Encodes into Sink, which must outlive the encoder, in blocks of
	 * BlockBytes. A Utf16 file's mark is the first thing the sink receives.
	 */
	FTextFileEncoder(IByteBlockSink& Sink, ETextFileForm InForm, SIZE_T BlockBytes = FByteBlockBuffer::DefaultBlockBytes);

	/** Adds Count units of the text. An Ascii file takes only units below 128; any other is a programming error. */
	void Push(const TCHAR* Units, SIZE_T Count);

	/** Hands the bytes still in the block to the sink; false when the sink refused any of the bytes. */
	bool Finish();

	ETextFileForm GetForm() const { return Form; }

private:
	void PushAscii(const TCHAR* Units, SIZE_T Count);
	void PushUtf16(const TCHAR* Units, SIZE_T Count);

	FByteBlockBuffer Blocks;
	ETextFileForm Form;
};
