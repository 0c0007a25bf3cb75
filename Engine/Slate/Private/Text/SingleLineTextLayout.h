// How a one-line text fills a row of cells, and how the row scrolls to keep
// the cursor in view.
//
// The row shows the characters from its first shown one on, each in the cells
// it takes (Text/TextBoundaries.h). While text is hidden before that
// character the row's first cell holds a cut-off mark, and while text is
// hidden after the last shown one its last cell does. A double-width character
// that does not fit before the right edge (or the mark) is left out whole.
// The cursor after the last character needs a cell of its own; the last
// character may take the right mark's cell only when nothing follows it and
// the cursor is not after it. Rows narrower than MinimumColumnsForMarks show
// no marks.
//
// Everything here costs in proportion to the row's width (and the zero-width
// code points shown), never to the text's length: the layout walks from the
// first shown character, and scrolling walks back from the cursor.
#pragma once

#include "CoreTypes.h"

#include <vector>

class FCodePointGapBuffer;

/** One character placed in the row. */
struct FShownCharacter
{
	/** Its code points in the text: [Index, End). */
	int32 Index = 0;
	int32 End = 0;
	/** Its first cell, counted from the row's start, and the cells it takes. */
	int32 Column = 0;
	int32 Cells = 1;
	/** Zero-width code points with no character before them, shown on a placeholder base. */
	bool bBaseless = false;
};

struct FSingleLineTextLayout
{
	/** The narrowest row that shows cut-off marks: one cell at each end and room for a double-width character. */
	static constexpr int32 MinimumColumnsForMarks = 4;

	/** Places the characters from FirstShown on (a character start) in a row of Columns cells. */
	static FSingleLineTextLayout LayOut(const FCodePointGapBuffer& Text, int32 FirstShown, int32 Cursor, int32 Columns);
	/**
	 * The row that shows the cursor, scrolled from FirstShown as little as
	 * needed; and while the text's end is in view, scrolled back so that no
	 * free cell beyond the one the cursor needs there is left while text is
	 * hidden before.
	 */
	static FSingleLineTextLayout LayOutAroundCursor(const FCodePointGapBuffer& Text, int32 FirstShown, int32 Cursor, int32 Columns);

	/** Whether a cursor shows: on a shown character, or in a free cell after the last character. */
	bool ShowsCursor(int32 Cursor) const;
	/** The cell of the cursor, counted from the row's start; a cursor that does not show sits where the text is cut off. */
	int32 GetCursorColumn(int32 Cursor) const;
	/**
	 * Where a click on a cell puts the cursor: on the character in that cell
	 * (either half of a double-width one), after the text when the cell is
	 * free, and on the nearest hidden character when the cell holds a mark.
	 */
	int32 GetCursorAtColumn(int32 Column) const;

	int32 Columns = 0;
	int32 TextLength = 0;
	int32 FirstShown = 0;
	/** The index after the last shown character, and the cell after it. */
	int32 EndShown = 0;
	int32 EndColumn = 0;
	/** The start of the last hidden character before FirstShown (FirstShown when there is none). */
	int32 LastHiddenBefore = 0;
	bool bCutBefore = false;
	bool bCutAfter = false;
	std::vector<FShownCharacter> Characters;
};
