// How many terminal columns a character takes, the same on every system and
// in every locale (the C library's wcwidth answers -1 for everything outside
// ASCII in the C locale, and Windows has none).
//
// - 2 for East Asian wide and full-width characters and for emoji shown as
//   pictures;
// - 0 for combining marks, zero-width characters and variation selectors;
// - 1 for every other character, unprintable ones included (a surface shows
//   those as U+FFFD).
#pragma once

#include "CoreTypes.h"

#include <string_view>

namespace CharacterWidth
{
	SLATE_API int32 Get(char32_t Character);

	/** The columns a text takes: the sum of its characters' widths. */
	SLATE_API int32 Measure(std::u32string_view Text);
}
