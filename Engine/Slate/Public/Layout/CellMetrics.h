// The fixed mapping from layout units to character cells.
//
// Layout works in float units, as if text were drawn in an 8x16 font: one
// cell is 8 units wide and 16 units tall, and text measures 8 units per
// terminal column it takes (Text/CharacterWidth.h: two for a double-width
// character, none for a combining mark) and 16 units per line.
//
// Cell positions come from rounding edges, never sizes: a widget spanning
// [X, X + Width) by [Y, Y + Height) in units covers the columns
// [R(X / 8), R((X + Width) / 8)) and the rows [R(Y / 16), R((Y + Height) / 16)),
// where R(V) = floor(V + 0.5) rounds halves up (towards +infinity, also for
// negative values). Neighbours that share an edge in units therefore share it
// in cells: they never overlap and leave no gap. A widget narrower than half
// a cell may cover no cell at all, and then paints nothing.
#pragma once

#include "Math/Vector2D.h"
#include "Rendering/CellRect.h"

#include <cmath>
#include <string_view>

struct FCellMetrics
{
	static constexpr float UnitsPerColumn = 8.0f;
	static constexpr float UnitsPerRow = 16.0f;

	/** The cell edge nearest to a unit position, halves rounding up. */
	static int32 RoundEdge(float Cells) { return static_cast<int32>(std::floor(Cells + 0.5f)); }

	static int32 ToColumn(float X) { return RoundEdge(X / UnitsPerColumn); }
	static int32 ToRow(float Y) { return RoundEdge(Y / UnitsPerRow); }

	/** The cells covered by a rectangle given in units. */
	static FCellRect ToCellRect(const FVector2D& Position, const FVector2D& Size)
	{
		const int32 Left = ToColumn(Position.X);
		const int32 Top = ToRow(Position.Y);
		return FCellRect(Left, Top, ToColumn(Position.X + Size.X) - Left, ToRow(Position.Y + Size.Y) - Top);
	}

	/** The unit position of a cell's top-left corner, and the unit size of a block of cells. */
	static constexpr FVector2D ToUnits(int32 Columns, int32 Rows)
	{
		return FVector2D(static_cast<float>(Columns) * UnitsPerColumn, static_cast<float>(Rows) * UnitsPerRow);
	}

	/** The size of text whose longest line takes the given number of columns, with the given number of lines. */
	static constexpr FVector2D MeasureText(int32 LongestLineColumns, int32 Lines) { return ToUnits(LongestLineColumns, Lines); }
};
