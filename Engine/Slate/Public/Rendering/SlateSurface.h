// FSlateSurface: the character-cell surface that widgets paint on, and that a
// presenter (a terminal, a test) shows.
//
// A cell is one terminal column. Text is measured the way terminals draw it
// (Text/CharacterWidth.h): a double-width character (East Asian wide and
// full-width characters, emoji) takes its cell and the one to its right,
// which holds WideCharacterTail; a combining mark takes no cell and is kept
// with the character before it. Control characters, lone surrogates and
// values outside Unicode are stored as U+FFFD, so that painted text can never
// carry terminal control sequences. Overwriting either half of a
// double-width character blanks the other half, so a presenter never sees a
// broken one.
//
// Each cell also has a style (ESlateCellStyle) that a presenter shows as
// colour or video attributes; text keeps the style of the cells it is drawn
// into. The surface also holds one text cursor: a cell position and whether
// it shows.
//
// Drawing is clipped to the current clip rectangle (the whole surface unless
// narrowed with PushClip), so a widget cannot paint outside its own cells.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Rendering/CellRect.h"
#include "SlateApi.h"

#include <string>
#include <string_view>

/** What a cell shows, for presenters that tell parts of the screen apart by colour or attributes. */
enum class ESlateCellStyle : uint8
{
	Normal,
	/** The menu bar and the status line. */
	Bar,
	/** The body of an open pull-down menu. */
	Menu,
	/** The highlighted menu title or entry. */
	Selected,
	/** A window's frame and title. */
	Frame,
	/** The widget that has the keyboard focus inside a window. */
	Focused,
	/** A warning or error shown to the user. */
	Warning,
};

/** One cell of the surface. */
struct FSlateCell
{
	/** The character drawn here, or FSlateSurface::WideCharacterTail for the right half of a double-width one. */
	char32_t Character = U' ';
	/** Combining marks drawn over Character, in order; unused entries are 0. Marks beyond these are dropped. */
	char32_t Marks[2] = {0, 0};
	ESlateCellStyle Style = ESlateCellStyle::Normal;

	friend bool operator==(const FSlateCell&, const FSlateCell&) = default;
};

class SLATE_API FSlateSurface
{
public:
	static constexpr char32_t ReplacementCharacter = U'\uFFFD';
	/** The character of the cell that holds the right half of a double-width character. */
	static constexpr char32_t WideCharacterTail = U'\0';

	FSlateSurface() = default;
	FSlateSurface(int32 InColumns, int32 InRows);

	/** Resizes to the given cells (negative counts count as zero), clears every cell and hides the cursor. */
	void Reset(int32 InColumns, int32 InRows);

	int32 GetColumns() const { return Columns; }
	int32 GetRows() const { return Rows; }
	FCellRect GetBounds() const { return FCellRect(0, 0, Columns, Rows); }

	/** The character in a cell (WideCharacterTail for a right half); a space outside the surface. */
	char32_t GetCell(int32 Column, int32 Row) const;
	/** Everything about a cell; a blank Normal cell outside the surface. */
	const FSlateCell& GetCellData(int32 Column, int32 Row) const;
	/**
	 * One row as a terminal shows it: each character once (right halves
	 * skipped), its combining marks after it. For presenters and tests.
	 */
	std::u32string GetRowText(int32 Row) const;
	/** One row as engine text. */
	FString GetRowString(int32 Row) const;

	/**
	 * Puts one character in a cell, when the cell lies inside the clip
	 * rectangle: a double-width character takes the next cell too (when the
	 * clip edge cuts it, the half inside shows a space instead); a combining
	 * mark takes no cell and joins the character in the cell before Column
	 * (dropped when that cell is clipped away or already holds two marks).
	 * Returns the column after the character: Column plus its width.
	 */
	int32 SetCell(int32 Column, int32 Row, char32_t Character);
	/**
	 * Writes text left to right from a cell, each character in the cells it
	 * takes, as SetCell does; a mark joins only a character of Text shown
	 * whole before it, so marks at the start of Text (or after a character
	 * cut by the clip edge) are dropped rather than joined to what is already
	 * drawn there. Returns the column after the last character.
	 */
	int32 DrawText(int32 Column, int32 Row, std::u32string_view Text);
	int32 DrawText(int32 Column, int32 Row, const FString& Text);
	/** Fills a rectangle with one single-width character. */
	void Fill(const FCellRect& Rect, char32_t Character);
	/** Draws a single-line frame along the outermost cells of a rectangle. */
	void DrawBorder(const FCellRect& Rect);
	/** Gives the cells of a rectangle (clipped) a style, keeping their characters. */
	void SetStyle(const FCellRect& Rect, ESlateCellStyle Style);

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
	FSlateCell& CellAt(int32 Column, int32 Row);
	/** Puts a character in a cell inside the surface, blanking the other half of a double-width one it overwrites. */
	void PutCharacter(int32 Column, int32 Row, char32_t Character);
	/** Adds a mark to the character of a cell (the head of a double-width one) when that lies inside the clip rectangle. */
	void AddMark(int32 Column, int32 Row, char32_t Mark);
	/** SetCell's work; bMarkMayJoin says whether a mark may join the cell before Column, and is updated for the next character. */
	int32 DrawCharacter(int32 Column, int32 Row, char32_t Character, bool& bMarkMayJoin);

	int32 Columns = 0;
	int32 Rows = 0;
	TArray<FSlateCell> Cells;
	TArray<FCellRect> ClipStack;
	int32 CursorColumn = 0;
	int32 CursorRow = 0;
	bool bCursorVisible = false;
};
