// FTextFileEncoding: the bytes of a whole text file and back.
//
// Saving writes one byte per character when every code unit of the text is
// below 128, and otherwise the byte-order mark FF FE followed by the text as
// UTF-16 little-endian; Encode is FTextFileEncoder run over the whole text,
// for a caller that has all of it. Loading recognises and drops the marks FF FE
// (UTF-16 little-endian), FE FF (UTF-16 big-endian) and EF BB BF (UTF-8);
// bytes without a mark are UTF-8 when they are valid UTF-8, and otherwise
// one character per byte.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "CoreApi.h"

struct CORE_API FTextFileEncoding
{
	/** The file bytes for Text. */
	static TArray<uint8> Encode(const FString& Text);

	/**
	 * The text of a file's Size bytes. In UTF-16 a final odd byte, which
	 * completes no code unit, becomes U+FFFD; invalid UTF-8 after the UTF-8
	 * mark becomes U+FFFD too.
	 */
	static FString Decode(const uint8* Bytes, int64 Size);
};
