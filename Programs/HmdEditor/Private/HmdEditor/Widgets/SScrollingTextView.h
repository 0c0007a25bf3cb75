// A read-only list of text lines in a window, one line a row, scrolled with
// the keys a pager uses:
//
//   Up / Down            one line
//   PageUp / PageDown    one screen
//   Home / End           the first / the last lines
//
// Other keys go on to the window (Escape closes it). Lines longer than the
// view wrap onto the next rows, between words where they can, so that a
// long path is read whole, and the keys scroll by rows. It asks for the size of its lines, cut down to leave
// a margin of the screen around its window.
#pragma once

#include "Containers/Array.h"
#include "Containers/UnrealString.h"
#include "Rendering/SlateSurface.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

struct FScrollingTextLine
{
	FString Text;
	ESlateCellStyle Style = ESlateCellStyle::Normal;
	/** Blank cells before each row after the first when the line wraps, so that a wrapped column stays a column. */
	int32 WrapIndent = 0;
};

/** One row of a wrapped line. */
struct FWrappedTextRow
{
	std::u32string Text;
	ESlateCellStyle Style = ESlateCellStyle::Normal;
};

/**
 * The lines cut into rows of at most Width cells: after the last blank that
 * fits, or where the row is full when no blank does (a long path). Rows
 * after a line's first start with its WrapIndent. An empty line keeps its row.
 */
TArray<FWrappedTextRow> WrapTextLines(const TArray<FScrollingTextLine>& Lines, int32 Width);

class SScrollingTextView : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(SScrollingTextView)
		: _ScrollToEnd(false)
	{
	}
	SLATE_ARGUMENT(TArray<FScrollingTextLine>, Lines)
	/** Opens showing the last lines (as a log does) rather than the first. */
	SLATE_ARGUMENT(bool, ScrollToEnd)
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);

	bool SupportsKeyboardFocus() const override { return true; }
	FReply OnKeyDown(const FGeometry& MyGeometry, const FKeyEvent& InKeyEvent) override;


protected:
	FVector2D ComputeDesiredSize() const override;
	void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override;

private:
	/** The top row that keeps the view full: no further down than the last screen. */
	int32 ClampTopRow(int32 Row) const;
	/** The rows for a view Width cells wide, wrapped again only when the width changed. */
	const TArray<FWrappedTextRow>& GetRows(int32 Width) const;

	TArray<FScrollingTextLine> Lines;
	int32 LongestLine = 0;
	/** Where the view is scrolled to; kept within the rows as the paint finds the view's size. */
	mutable int32 TopRow = 0;
	/** The rows the view had at its latest paint, which a page is. */
	mutable int32 VisibleRows = 1;
	mutable int32 WrappedWidth = 0;
	mutable TArray<FWrappedTextRow> WrappedRows;
};
