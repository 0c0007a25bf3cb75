#include "Terminal/TerminalRowLayout.h"

#include <gtest/gtest.h>

namespace
{
	// A fixed width table, so the test does not hang on the locale's.
	int FakeWidth(char32_t Character)
	{
		if (Character == U'\u0301')
		{
			return 0;
		}
		if (Character >= U'\u4E00' && Character <= U'\u9FFF')
		{
			return 2;
		}
		return Character < 0x20 ? -1 : 1;
	}
}

TEST(TerminalRowLayout, NarrowTextMapsCellsToTheirOwnColumns)
{
	const FTerminalRow Row = LayoutTerminalRow(U"[Hmd1]  ", 80, &FakeWidth);
	EXPECT_EQ(Row.Text, U"[Hmd1]  ");
	EXPECT_EQ(Row.UsedColumns, 8);
	for (int32 Cell = 0; Cell < 10; ++Cell)
	{
		EXPECT_EQ(GetTerminalColumnOfCell(Row, Cell), Cell);
		EXPECT_EQ(GetCellAtTerminalColumn(Row, Cell), Cell);
	}
}

TEST(TerminalRowLayout, WideAndCombiningCharactersShiftLaterCells)
{
	// "文档" take two columns each; the combining accent takes none.
	const FTerminalRow Row = LayoutTerminalRow(U"a\u6587\u6863e\u0301|", 80, &FakeWidth);
	const int32 ExpectedStarts[] = {0, 1, 3, 5, 6, 6};
	ASSERT_EQ(Row.CellStarts.Num(), 6);
	for (int32 Cell = 0; Cell < 6; ++Cell)
	{
		EXPECT_EQ(GetTerminalColumnOfCell(Row, Cell), ExpectedStarts[Cell]) << Cell;
	}
	EXPECT_EQ(GetTerminalColumnOfCell(Row, 7), 8);
	EXPECT_EQ(GetCellAtTerminalColumn(Row, 2), 1) << "the right half of a wide character is that character";
	EXPECT_EQ(GetCellAtTerminalColumn(Row, 6), 5) << "the combining mark's base and the mark share a column";
	EXPECT_EQ(GetCellAtTerminalColumn(Row, 7), 6);
}

TEST(TerminalRowLayout, ClipsToTheWidthWithoutSplittingAWideCharacter)
{
	const FTerminalRow Row = LayoutTerminalRow(U"abc\u6587d", 4, &FakeWidth);
	EXPECT_EQ(Row.Text, U"abc");
	EXPECT_EQ(Row.UsedColumns, 3);
	EXPECT_TRUE(LayoutTerminalRow(U"abc", 0, &FakeWidth).Text.empty());
}

TEST(TerminalRowLayout, UnprintableCharactersShowAsReplacement)
{
	const FTerminalRow Row = LayoutTerminalRow(U"a\x1b[2J", 80, &FakeWidth);
	EXPECT_EQ(Row.Text, U"a\uFFFD[2J");
}
