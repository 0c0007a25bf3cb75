// FCellRect: a rectangle of character cells, half-open: it covers columns
// [Column, Column + Columns) and rows [Row, Row + Rows).
#pragma once

#include "CoreTypes.h"

#include <algorithm>

struct FCellRect
{
	int32 Column = 0;
	int32 Row = 0;
	int32 Columns = 0;
	int32 Rows = 0;

	constexpr FCellRect() = default;
	constexpr FCellRect(int32 InColumn, int32 InRow, int32 InColumns, int32 InRows)
		: Column(InColumn), Row(InRow), Columns(InColumns), Rows(InRows)
	{
	}

	constexpr int32 GetRight() const { return Column + Columns; }
	constexpr int32 GetBottom() const { return Row + Rows; }
	constexpr bool IsEmpty() const { return Columns <= 0 || Rows <= 0; }
	constexpr bool Contains(int32 InColumn, int32 InRow) const
	{
		return InColumn >= Column && InColumn < GetRight() && InRow >= Row && InRow < GetBottom();
	}

	/** The cells both rectangles cover; empty when they do not meet. */
	constexpr FCellRect Intersect(const FCellRect& Other) const
	{
		const int32 Left = std::max(Column, Other.Column);
		const int32 Top = std::max(Row, Other.Row);
		const int32 Right = std::min(GetRight(), Other.GetRight());
		const int32 Bottom = std::min(GetBottom(), Other.GetBottom());
		return FCellRect(Left, Top, std::max(0, Right - Left), std::max(0, Bottom - Top));
	}

	constexpr bool operator==(const FCellRect& Other) const = default;
};
