// Splits UTF-8 text into the Unicode code points a user would type one by one.
#pragma once

#include "CoreTypes.h"

#include <string>
#include <string_view>

/**
 * Decodes well-formed UTF-8 into code points. Returns false, leaving Out
 * unspecified, when the bytes are not well-formed UTF-8.
 */
bool Utf8ToCodePoints(std::string_view Bytes, std::u32string& Out);

/**
 * Decodes UTF-8 that arrives a byte at a time and may be broken, as a
 * terminal's input can be: a character may be split between two reads, and
 * each ill-formed part (a stray continuation byte, a lead byte without its
 * continuation, an overlong form, a surrogate, a value beyond U+10FFFF)
 * becomes one U+FFFD, after which decoding goes on with the next byte.
 */
class FUtf8StreamDecoder
{
public:
	static constexpr char32_t ReplacementCharacter = U'\uFFFD';

	/**
	 * Takes one byte and calls OnCodePoint(char32_t) for each code point it
	 * completes: none while a character is incomplete, a replacement and the
	 * byte's own character when the byte breaks the character before it.
	 */
	template <typename FunctionType>
	void Push(uint8 Byte, FunctionType&& OnCodePoint)
	{
		if (Needed > 0)
		{
			if (Byte >= Lower && Byte <= Upper)
			{
				CodePoint = (CodePoint << 6) | (Byte & 0x3F);
				Lower = 0x80;
				Upper = 0xBF;
				if (--Needed == 0)
				{
					OnCodePoint(CodePoint);
				}
				return;
			}
			Needed = 0;
			OnCodePoint(ReplacementCharacter);
		}
		if (!Start(Byte))
		{
			OnCodePoint(Byte < 0x80 ? static_cast<char32_t>(Byte) : ReplacementCharacter);
		}
	}

	/** True while a character has begun and waits for its continuation bytes. */
	bool IsIncomplete() const { return Needed > 0; }

	/** Ends an incomplete character as one U+FFFD (through OnCodePoint); nothing when none is incomplete. */
	template <typename FunctionType>
	void Finish(FunctionType&& OnCodePoint)
	{
		if (Needed > 0)
		{
			Needed = 0;
			OnCodePoint(ReplacementCharacter);
		}
	}

private:
	/** Begins a multi-byte character at a lead byte; false for ASCII and for bytes that cannot lead one. */
	bool Start(uint8 Byte);

	char32_t CodePoint = 0;
	int32 Needed = 0;
	/** The range the next continuation byte must lie in (narrower after some lead bytes). */
	uint8 Lower = 0x80;
	uint8 Upper = 0xBF;
};
