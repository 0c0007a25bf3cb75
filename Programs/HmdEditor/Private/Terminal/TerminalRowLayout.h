// Where the cells of a painted row land on a terminal line. The surface keeps
// one code point per cell, but a terminal draws some characters two columns
// wide and combining marks none, so a row's later cells may sit further right
// (or left) than their own column. The row is drawn as flowing text, clipped
// to the terminal's width, and this layout maps between cells and terminal
// columns for the cursor and for mouse clicks.
#pragma once

#include "Containers/Array.h"
#include "CoreTypes.h"

#include <string>
#include <string_view>

struct FTerminalRow
{
	/** The characters to draw, from column 0: the cells that fit. */
	std::u32string Text;
	/** The terminal column at which each drawn cell starts. */
	TArray<int32> CellStarts;
	/** The terminal columns the drawn cells take. */
	int32 UsedColumns = 0;
};

/** Columns a character takes on a terminal: 0, 1 or 2; negative for an unprintable one. */
using FCharacterWidthFunction = int (*)(char32_t Character);

/**
 * Lays a row out on a terminal line Width columns wide. Unprintable
 * characters are drawn as U+FFFD.
 */
FTerminalRow LayoutTerminalRow(std::u32string_view Cells, int32 Width, FCharacterWidthFunction CharacterWidth);

/** The terminal column of a cell; cells past the drawn ones continue one column each. */
int32 GetTerminalColumnOfCell(const FTerminalRow& Row, int32 Cell);

/** The cell drawn at a terminal column: the last cell starting at or before it; past them, one cell a column. */
int32 GetCellAtTerminalColumn(const FTerminalRow& Row, int32 Column);
