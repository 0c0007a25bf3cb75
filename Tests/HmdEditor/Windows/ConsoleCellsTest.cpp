#include "HmdEditor/Windows/ConsoleCells.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
	/** Grey on black, the console's usual colours. */
	constexpr WORD ConsoleNormal = FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE;
	constexpr WORD Halves = COMMON_LVB_LEADING_BYTE | COMMON_LVB_TRAILING_BYTE;

	const ESlateCellStyle AllStyles[] = {
		ESlateCellStyle::Normal, ESlateCellStyle::Bar, ESlateCellStyle::Menu, ESlateCellStyle::Selected,
		ESlateCellStyle::Frame, ESlateCellStyle::Focused, ESlateCellStyle::Warning,
	};

	std::u16string GetCharacters(const TArray<CHAR_INFO>& Cells)
	{
		std::u16string Text;
		for (int32 Index = 0; Index < Cells.Num(); ++Index)
		{
			Text += static_cast<char16_t>(Cells[Index].Char.UnicodeChar);
		}
		return Text;
	}
}

TEST(ConsoleCells, EveryStyleHasAColourOfItsOwn)
{
	std::set<WORD> Seen;
	for (const ESlateCellStyle Style : AllStyles)
	{
		Seen.insert(GetConsoleCellAttributes(Style, ConsoleNormal, true));
	}
	EXPECT_EQ(Seen.size(), std::size(AllStyles));
}

TEST(ConsoleCells, HighlightsStandOutOfTheBarAndThePullDown)
{
	for (const bool bColour : {true, false})
	{
		const WORD Selected = GetConsoleCellAttributes(ESlateCellStyle::Selected, ConsoleNormal, bColour);
		EXPECT_NE(Selected, GetConsoleCellAttributes(ESlateCellStyle::Bar, ConsoleNormal, bColour)) << bColour;
		EXPECT_NE(Selected, GetConsoleCellAttributes(ESlateCellStyle::Menu, ConsoleNormal, bColour)) << bColour;
		EXPECT_NE(GetConsoleCellAttributes(ESlateCellStyle::Focused, ConsoleNormal, bColour),
			GetConsoleCellAttributes(ESlateCellStyle::Normal, ConsoleNormal, bColour)) << bColour;
	}
}

TEST(ConsoleCells, NormalCellsKeepTheConsolesOwnColours)
{
	struct FCase { const char* Description; WORD ConsoleAttributes; WORD Expected; };
	const FCase Cases[] = {
		{"grey on black", ConsoleNormal, ConsoleNormal},
		{"black on white", BACKGROUND_RED | BACKGROUND_GREEN | BACKGROUND_BLUE | BACKGROUND_INTENSITY,
			BACKGROUND_RED | BACKGROUND_GREEN | BACKGROUND_BLUE | BACKGROUND_INTENSITY},
		{"grid and half bits are not carried over", ConsoleNormal | COMMON_LVB_GRID_HORIZONTAL | COMMON_LVB_LEADING_BYTE, ConsoleNormal},
	};
	for (const FCase& Case : Cases)
	{
		for (const bool bColour : {true, false})
		{
			EXPECT_EQ(GetConsoleCellAttributes(ESlateCellStyle::Normal, Case.ConsoleAttributes, bColour), Case.Expected) << Case.Description;
		}
	}
}

TEST(ConsoleCells, WithoutColourOnlyTheConsolesOwnColoursAreUsed)
{
	// Reverse video swaps the console's own colours: no colour of our own appears.
	const WORD Colours = ConsoleNormal & 0xFF;
	for (const ESlateCellStyle Style : AllStyles)
	{
		const WORD Attributes = GetConsoleCellAttributes(Style, ConsoleNormal, false);
		const WORD Foreground = Attributes & (FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE);
		const WORD Background = (Attributes >> 4) & (FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE);
		EXPECT_TRUE((Foreground == (Colours & 0x7) && Background == ((Colours >> 4) & 0x7))
			|| (Foreground == ((Colours >> 4) & 0x7) && Background == (Colours & 0x7))) << static_cast<int>(Style);
	}
}

TEST(ConsoleCells, OneSurfaceCellIsOneConsoleCell)
{
	struct FCase { const char* Description; std::u32string Text; int32 Columns; std::u16string Expected; std::u16string ExpectedHalves; };
	// ExpectedHalves: L leading half, T trailing half, '.' neither.
	const FCase Cases[] = {
		{"plain text, blanks after it", U"ab", 4, u"ab  ", u"...."},
		{"a double-width character fills both its cells", U"a\u6587b", 4, u"a\u6587\u6587b", u".LT."},
		{"two double-width characters", U"\u6587\u6863", 4, u"\u6587\u6587\u6863\u6863", u"LTLT"},
		{"a double-width character cut off at the edge is a space", U"abc\u6587", 4, u"abc ", u"...."},
		{"outside the Basic Multilingual Plane: U+FFFD in both halves", U"\U0001F600x", 3, u"\uFFFD\uFFFDx", u"LT."},
		{"a combining mark is dropped, its base kept", U"e\u0301x", 2, u"ex", u".."},
	};
	for (const FCase& Case : Cases)
	{
		FSlateSurface Surface(Case.Columns, 1);
		Surface.DrawText(0, 0, Case.Text);
		TArray<CHAR_INFO> Cells;
		MakeConsoleCells(Surface, Case.Columns, 1, ConsoleNormal, true, Cells);
		ASSERT_EQ(Cells.Num(), Case.Columns) << Case.Description;
		EXPECT_EQ(GetCharacters(Cells), Case.Expected) << Case.Description;
		std::u16string Marks;
		for (int32 Index = 0; Index < Cells.Num(); ++Index)
		{
			const WORD Half = Cells[Index].Attributes & Halves;
			Marks += Half == COMMON_LVB_LEADING_BYTE ? u'L' : Half == COMMON_LVB_TRAILING_BYTE ? u'T' : u'.';
		}
		EXPECT_EQ(Marks, Case.ExpectedHalves) << Case.Description;
	}
}

TEST(ConsoleCells, ACellTakesItsStyleAndTheConsoleBeyondTheSurfaceIsBlank)
{
	FSlateSurface Surface(3, 1);
	Surface.DrawText(0, 0, U"abc");
	Surface.SetStyle(FCellRect(1, 0, 1, 1), ESlateCellStyle::Selected);
	TArray<CHAR_INFO> Cells;
	MakeConsoleCells(Surface, 4, 2, ConsoleNormal, true, Cells);
	ASSERT_EQ(Cells.Num(), 8);
	EXPECT_EQ(GetCharacters(Cells), u"abc     ");
	EXPECT_EQ(Cells[0].Attributes, GetConsoleCellAttributes(ESlateCellStyle::Normal, ConsoleNormal, true));
	EXPECT_EQ(Cells[1].Attributes, GetConsoleCellAttributes(ESlateCellStyle::Selected, ConsoleNormal, true));
	EXPECT_EQ(Cells[7].Attributes, GetConsoleCellAttributes(ESlateCellStyle::Normal, ConsoleNormal, true));
}
