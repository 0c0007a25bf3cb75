#include "Layout/CellMetrics.h"
#include "Layout/Geometry.h"

#include <gtest/gtest.h>

TEST(CellMetrics, EdgesRoundHalfUpOnBothAxes)
{
	struct FCase
	{
		float Units;
		int32 Column;
		int32 Row;
	};
	const FCase Cases[] = {
		{0.0f, 0, 0},
		{3.99f, 0, 0},
		{4.0f, 1, 0},  // half a column rounds up
		{7.99f, 1, 0},
		{8.0f, 1, 1},  // half a row rounds up
		{11.99f, 1, 1},
		{12.0f, 2, 1},
		{23.99f, 3, 1},
		{24.0f, 3, 2},
		{-4.0f, 0, 0}, // halves round towards +infinity on the negative side too
		{-4.01f, -1, 0},
		{-8.01f, -1, -1},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(FCellMetrics::ToColumn(Case.Units), Case.Column) << Case.Units;
		EXPECT_EQ(FCellMetrics::ToRow(Case.Units), Case.Row) << Case.Units;
	}
}

TEST(CellMetrics, NeighboursSharingAnEdgeNeitherOverlapNorLeaveAGap)
{
	// Split a strip at every quarter unit: the left part ends where the right part begins.
	for (float Split = 0.0f; Split <= 64.0f; Split += 0.25f)
	{
		const FCellRect LeftPart = FGeometry(FVector2D(0.0f, 0.0f), FVector2D(Split, 16.0f)).GetCellRect();
		const FCellRect RightPart = FGeometry(FVector2D(Split, 0.0f), FVector2D(64.0f - Split, 16.0f)).GetCellRect();
		EXPECT_EQ(LeftPart.GetRight(), RightPart.Column) << Split;
		EXPECT_EQ(LeftPart.Columns + RightPart.Columns, 8) << Split;
	}
}

TEST(CellMetrics, RectanglesFromUnits)
{
	// A one-line text six units down, and the next row of a settings panel 26 units down.
	EXPECT_EQ(FCellMetrics::ToCellRect(FVector2D(6.0f, 6.0f), FVector2D(64.0f, 16.0f)), FCellRect(1, 0, 8, 1));
	EXPECT_EQ(FCellMetrics::ToCellRect(FVector2D(126.0f, 26.0f), FVector2D(120.0f, 16.0f)), FCellRect(16, 2, 15, 1));
	// Narrower than half a cell: no cell at all.
	EXPECT_TRUE(FCellMetrics::ToCellRect(FVector2D(0.0f, 0.0f), FVector2D(3.0f, 16.0f)).IsEmpty());
	EXPECT_EQ(FCellMetrics::ToUnits(3, 2), FVector2D(24.0f, 32.0f));
	EXPECT_EQ(FCellMetrics::MeasureText(5, 1), FVector2D(40.0f, 16.0f));
}
