// Where the cursor of a one-line text box may stop, and what a word is.
//
// A character, as the cursor and the cell layout see it, is one code point
// with the zero-width code points after it (combining marks, variation
// selectors, joiners), which a terminal draws in the same cell. The cursor
// steps over such a character as one, and BackSpace and Delete remove it
// whole.
//
// A word is a run of characters made of letters and digits; everything else
// (spaces, punctuation, symbols, emoji) separates words. Word motion follows
// the shells: backwards to the start of the word at or before the cursor,
// forwards to the end of the word at or after it.
#pragma once

#include "CoreTypes.h"

class FCodePointGapBuffer;

namespace TextBoundaries
{
	/** The start of the character that holds the code point at Index (Index itself when one starts there, or at the end). */
	int32 CharacterStart(const FCodePointGapBuffer& Text, int32 Index);
	/** The end of the character that starts at Index (Index < Num()). */
	int32 NextCharacter(const FCodePointGapBuffer& Text, int32 Index);
	/** The start of the character before Index (Index > 0). */
	int32 PreviousCharacter(const FCodePointGapBuffer& Text, int32 Index);
	/**
	 * The cells the character at Index takes: its first code point's width,
	 * or one for zero-width code points with nothing before them (shown on a
	 * placeholder).
	 */
	int32 CharacterCells(const FCodePointGapBuffer& Text, int32 Index);
	/** True when the character at Index is zero-width code points alone, with nothing before them to join. */
	bool IsBaseless(const FCodePointGapBuffer& Text, int32 Index);

	/** True for letters and digits: ASCII ones, and every other character outside the spaces, punctuation and symbols. */
	bool IsWordCharacter(char32_t Character);
	/** The start of the word at or before Index, past any separators before Index. */
	int32 PreviousWordStart(const FCodePointGapBuffer& Text, int32 Index);
	/** The end of the word at or after Index, past any separators after Index. */
	int32 NextWordEnd(const FCodePointGapBuffer& Text, int32 Index);
}
