// How many terminal columns a character takes, the same on every system and
// in every locale (the C library's wcwidth answers -1 for everything outside
// ASCII in the C locale, and Windows has none).
//
// - 2 for East Asian wide and full-width characters and for emoji shown as
//   pictures, and for the unassigned code points of the CJK ideograph blocks
//   and of planes 2 and 3 (which will hold ideographs);
// - 0 for combining marks, zero-width characters, variation selectors and
//   the Hangul vowel and final consonant jamo that join a syllable;
// - 1 for every other character, unassigned and unprintable ones included (a
//   surface shows the unprintable ones as U+FFFD).
#pragma once

#include "CoreTypes.h"
#include "SlateApi.h"

#include <string_view>

namespace CharacterWidth
{
	SLATE_API int32 Get(char32_t Character);

	/** The columns a text takes: the sum of its characters' widths. */
	SLATE_API int32 Measure(std::u32string_view Text);
}
