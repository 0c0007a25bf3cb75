// Which of the saved file's two forms a document's text takes, known before
// any of the text is written, so that the output can stream it: a unit of
// 128 or more anywhere in the text makes the whole file UTF-16.
#pragma once

#include "Dom/JsonObject.h"
#include "Misc/TextFileEncoder.h"

namespace SavedForm
{
	/**
	 * True when input bytes can only give text of units below 128: every
	 * byte is below 128 (so there is no byte-order mark and the bytes read
	 * as ASCII) and no "\u" escape can name another unit.
	 */
	bool IsPlainAscii(const uint8* Bytes, SIZE_T Size);

	/**
	 * The form of the writer's text for Object. The writer's own characters
	 * are all ASCII; only names and strings, each up to its first NUL unit
	 * as the writer quotes them, can bring in other units.
	 */
	ETextFileForm OfTree(const FJsonObject& Object);
}
