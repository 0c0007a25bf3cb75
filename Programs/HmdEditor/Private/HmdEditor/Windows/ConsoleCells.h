// How a painted surface becomes the console's character cells: one surface
// cell a console cell, each cell style a console colour (or, without colour,
// the console's own colours swapped and brightened).
#pragma once

#include "Containers/Array.h"
#include "Rendering/SlateSurface.h"
#include "HmdEditor/Windows/WindowsConsoleIncludes.h"

/**
 * The console attributes of a cell style. NormalAttributes are the console's
 * own colours, kept for Normal cells; without colour (NO_COLOR) the styles
 * are told apart by reverse video (those colours swapped) and intensity only.
 */
WORD GetConsoleCellAttributes(ESlateCellStyle Style, WORD NormalAttributes, bool bColour);

/**
 * Fills Out with Columns x Rows console cells, row by row, from the
 * surface; cells beyond the surface are blank. A double-width character is
 * written into both of its cells, marked as leading and trailing half, as
 * the console expects; one without room for its second half is a space.
 * Characters outside the Basic Multilingual Plane, which a console cell
 * cannot hold, are shown as U+FFFD; combining marks are dropped.
 */
void MakeConsoleCells(const FSlateSurface& Surface, int32 Columns, int32 Rows, WORD NormalAttributes, bool bColour,
	TArray<CHAR_INFO>& Out);
