// FSlateSurface: the character-cell surface that widgets paint on, and that a
// presenter (a terminal, a test) shows.
//
// Each cell holds one Unicode code point (char32_t). A character that a
// terminal draws two columns wide still takes one cell here; control
// characters, lone surrogates and values outside Unicode are stored as
// U+FFFD, so that painted text can never carry terminal control sequences.
// The surface also holds one text cursor: a cell position and whether it
// shows.
//
// Drawing is clipped to the current clip rectangle (the whole surface unless
// narrowed with PushClip), so a widget cannot paint outside its own cells.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Rendering/CellRect.h"

#include <string>
#include <string_view>

class SLATE_API FSlateSurface
{
public:
	static constexpr char32_t ReplacementCharacter = U'\uFFFD';

	FSlateSurface() = default;
	FSlateSurface(int32 InColumns, int32 InRows);

	/** Resizes to the given cells (negative counts count as zero), clears every cell and hides the cursor. */
	void Reset(int32 InColumns, int32 InRows);

	int32 GetColumns() const { return Columns; }
	int32 GetRows() const { return Rows; }
	FCellRect GetBounds() const { return FCellRect(0, 0, Columns, Rows); }

	/** The character in a cell; a space outside the surface. */
	char32_t GetCell(int32 Column, int32 Row) const;
	/** One row as text (one code point per cell), for presenters and tests. */
	std::u32string GetRowText(int32 Row) const;
	/** One row as engine text. */
	FString GetRowString(int32 Row) const;

	/** Puts one character in a cell, when the cell lies inside the clip rectangle. */
	void SetCell(int32 Column, int32 Row, char32_t Character);
	/** Writes text left to right from a cell, one code point per cell; returns the column after the last one. */
	int32 DrawText(int32 Column, int32 Row, std::u32string_view Text);
	int32 DrawText(int32 Column, int32 Row, const FString& Text);
	/** Fills a rectangle with one character. */
	void Fill(const FCellRect& Rect, char32_t Character);
	/** Draws a single-line frame along the outermost cells of a rectangle. */
	void DrawBorder(const FCellRect& Rect);

	/** Narrows drawing to the part of Rect inside the current clip rectangle, until the matching PopClip. */
	void PushClip(const FCellRect& Rect);
	void PopClip();
	FCellRect GetClipRect() const;

	/** Shows the cursor at a cell; a cell outside the clip rectangle hides it instead. */
	void SetCursor(int32 Column, int32 Row);
	void HideCursor() { bCursorVisible = false; }
	bool IsCursorVisible() const { return bCursorVisible; }
	int32 GetCursorColumn() const { return CursorColumn; }
	int32 GetCursorRow() const { return CursorRow; }

	/** The character a cell stores for Character: itself when showable, otherwise U+FFFD. */
	static char32_t ToShowable(char32_t Character);

private:
	int32 Columns = 0;
	int32 Rows = 0;
	TArray<char32_t> Cells;
	TArray<FCellRect> ClipStack;
	int32 CursorColumn = 0;
	int32 CursorRow = 0;
	bool bCursorVisible = false;
};
