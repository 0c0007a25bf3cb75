// Where the menu bar's titles and an open pull-down sit on the screen, for
// painting them and for finding what a click hit.
//
// Titles sit side by side on the menu row, each as " Label " (the open one
// as "[Label]"). A pull-down hangs below its title in a frame, one row per
// entry, with a rule between sections and a row for each section heading.
#pragma once

#include "Containers/Array.h"
#include "Framework/MultiBox/MenuModel.h"
#include "Rendering/CellRect.h"

#include <string>

struct FPullDownRow
{
	enum class EKind : uint8
	{
		Entry,
		Heading,
		Separator,
		/** The one row of a pull-down without entries. */
		Empty,
	};

	EKind Kind = EKind::Empty;
	int32 Section = INDEX_NONE;
	int32 Entry = INDEX_NONE;
};

struct FPullDownLayout
{
	/** The frame around the rows; rows start one cell inside it. */
	FCellRect Frame;
	TArray<FPullDownRow> Rows;
};

namespace MainMenuLayout
{
	/** The cells of each title on the menu row starting at (Column, Row). */
	TArray<FCellRect> LayoutTitles(const FMenuBarModel& MenuBar, int32 Column, int32 Row);

	/** The title under a cell, or INDEX_NONE. */
	int32 FindTitleAt(const TArray<FCellRect>& Titles, int32 Column, int32 Row);

	/** The text of a pull-down row, InnerWidth cells wide. */
	std::u32string GetRowText(const FMenuModel& Content, const FPullDownRow& Row, int32 InnerWidth, bool bHighlighted);

	/**
	 * Lays a pull-down out below its title, kept inside Bounds: moved left
	 * when it would stick out on the right, cut short at the bottom.
	 */
	FPullDownLayout LayoutPullDown(const FMenuModel& Content, const FCellRect& Title, const FCellRect& Bounds);

	/** The row under a cell, or INDEX_NONE (the frame itself is no row). */
	int32 FindRowAt(const FPullDownLayout& Layout, int32 Column, int32 Row);
}
