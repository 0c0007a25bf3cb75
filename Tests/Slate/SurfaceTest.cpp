#include "Rendering/SlateSurface.h"
#include "Text/CharacterWidth.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace
{
	/** Makes a UTF-32 text printable in a failure message. */
	std::string Describe(const std::u32string& Text)
	{
		std::string Result;
		for (const char32_t Character : Text)
		{
			if (Character >= 0x20 && Character < 0x7F)
			{
				Result.push_back(static_cast<char>(Character));
			}
			else
			{
				char Code[16];
				std::snprintf(Code, sizeof(Code), "<U+%04X>", static_cast<unsigned>(Character));
				Result += Code;
			}
		}
		return Result;
	}
}

TEST(CharacterWidth, ColumnsOfEachKindOfCharacter)
{
	struct FCase
	{
		const char* Description;
		char32_t Character;
		int32 Expected;
	};
	const FCase Cases[] = {
		{"an ASCII letter", U'A', 1},
		{"a space", U' ', 1},
		{"a precomposed accented letter", U'\u00E9', 1},
		{"the soft hyphen, which terminals draw", U'\u00AD', 1},
		{"a combining acute accent", U'\u0301', 0},
		{"a combining mark of an Indic script", U'\u093C', 0},
		{"the zero-width joiner", U'\u200D', 0},
		{"an emoji variation selector", U'\uFE0F', 0},
		{"a CJK ideograph", U'\u6587', 2},
		{"a full-width Latin letter", U'\uFF21', 2},
		{"a Hangul syllable", U'\uAC00', 2},
		{"a Hangul leading consonant jamo", U'\u1100', 2},
		{"a Hangul medial vowel jamo, which joins the syllable before it", U'\u1161', 0},
		{"a Hangul final consonant jamo", U'\u11A8', 0},
		{"a Hangul medial vowel of the extended jamo block", U'\uD7B0', 0},
		{"a Hangul final consonant of the extended jamo block", U'\uD7CB', 0},
		{"a combining kana voiced sound mark, a mark although in a wide block", U'\u3099', 0},
		{"an emoji shown as a picture", U'\U0001F600', 2},
		{"a newer emoji", U'\U0001FAF6', 2},
		{"an emoji that is text by default", U'\u263A', 1},
		{"an unassigned Greek code point", U'\u0378', 1},
		{"an unassigned code point in the emoji planes", U'\U0001FAFF', 1},
		{"an unassigned code point among the tags", U'\U000E0080', 1},
		{"an unassigned code point of plane 2, wide by default", U'\U0002FFFD', 2},
		{"a noncharacter", U'\uFFFF', 1},
		{"the last code point", U'\U0010FFFF', 1},
		{"a private-use character", U'\uE000', 1},
		{"escape", U'\x1B', 1},
		{"a C1 control", U'\x9B', 1},
		{"a lone surrogate", char32_t(0xD800), 1},
		{"a value past Unicode", char32_t(0x110000), 1},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(CharacterWidth::Get(Case.Character), Case.Expected) << Case.Description;
	}
	EXPECT_EQ(CharacterWidth::Measure(U"e\u0301\u6587\U0001F600!"), 6) << "1 + 0 + 2 + 2 + 1";
	EXPECT_EQ(CharacterWidth::Measure(U""), 0);
}

TEST(Surface, DrawsTextInTerminalColumns)
{
	struct FCase
	{
		const char* Description;
		/** Drawn first, from column 0, with no clip. */
		const char32_t* Before;
		/** The clip rectangle for the drawing under test, if any. */
		std::optional<FCellRect> Clip;
		int32 Column;
		const char32_t* Text;
		/** The row as a terminal shows it. */
		const char32_t* Expected;
		int32 ExpectedEnd;
	};
	const FCase Cases[] = {
		{"a wide character takes two cells", U"", std::nullopt, 0, U"\u6587a", U"\u6587a   ", 3},
		{"an emoji takes two cells", U"", std::nullopt, 1, U"\U0001F600", U" \U0001F600   ", 3},
		{"a wide character cut by the right clip edge leaves a space", U"abcdef", FCellRect(0, 0, 3, 1), 2, U"\u6587", U"ab def", 4},
		{"a wide character cut by the left clip edge leaves a space", U"abcdef", FCellRect(1, 0, 5, 1), 0, U"\u6587z", U"a zdef", 3},
		{"a wide character in the last column leaves a space", U"abcdef", std::nullopt, 5, U"\u6587", U"abcde ", 7},
		{"overwriting the left half blanks the right half", U"\u6587\u6863", std::nullopt, 0, U"x", U"x \u6863  ", 1},
		{"overwriting the right half blanks the left half", U"\u6587\u6863", std::nullopt, 1, U"x", U" x\u6863  ", 2},
		{"a wide character over halves of two others blanks both other halves", U"\u6587\u6863", std::nullopt, 1, U"\u5B57", U" \u5B57   ", 3},
		{"overwriting a wide character in place", U"\u6587", std::nullopt, 0, U"\u6863", U"\u6863    ", 2},
		{"a combining mark stays with its base and takes no cell", U"", std::nullopt, 0, U"e\u0301x", U"e\u0301x    ", 2},
		{"a mark after a wide character joins its left half", U"", std::nullopt, 0, U"\u6587\u0301a", U"\u6587\u0301a   ", 3},
		{"two marks are kept in order", U"", std::nullopt, 0, U"a\u0301\u0323", U"a\u0301\u0323     ", 1},
		{"the third mark is dropped", U"", std::nullopt, 0, U"a\u0301\u0302\u0303", U"a\u0301\u0302     ", 1},
		{"a mark with no character before it in the text is dropped", U"abcdef", std::nullopt, 1, U"\u0301x", U"axcdef", 2},
		{"a mark after a clipped character is dropped", U"abcdef", FCellRect(1, 0, 5, 1), 0, U"z\u0301y", U"aycdef", 2},
		{"a mark after a cut wide character is dropped", U"abcdef", FCellRect(0, 0, 3, 1), 2, U"\u6587\u0301", U"ab def", 4},
		{"redrawing a cell drops its old marks", U"e\u0301", std::nullopt, 0, U"o", U"o     ", 1},
		{"unprintable characters show as one replacement cell each", U"", std::nullopt, 0, U"\x1B[2J", U"\uFFFD[2J  ", 4},
		{"a bidirectional override shows as a replacement cell, not as a mark", U"", std::nullopt, 0, U"a\u202Eb", U"a\uFFFDb   ", 3},
	};
	for (const FCase& Case : Cases)
	{
		FSlateSurface Surface(6, 1);
		Surface.DrawText(0, 0, std::u32string_view(Case.Before));
		if (Case.Clip)
		{
			Surface.PushClip(*Case.Clip);
		}
		EXPECT_EQ(Surface.DrawText(Case.Column, 0, std::u32string_view(Case.Text)), Case.ExpectedEnd) << Case.Description;
		EXPECT_EQ(Describe(Surface.GetRowText(0)), Describe(Case.Expected)) << Case.Description;
	}
}

TEST(Surface, CellsOfAWideCharacter)
{
	FSlateSurface Surface(4, 1);
	EXPECT_EQ(Surface.SetCell(1, 0, U'\u6587'), 3);
	EXPECT_EQ(Surface.GetCell(1, 0), U'\u6587');
	// Compared by value: the constant lives in the library, which exports no storage for it.
	EXPECT_EQ(Surface.GetCell(2, 0), char32_t{FSlateSurface::WideCharacterTail});
	EXPECT_EQ(Surface.GetCellData(2, 0), (FSlateCell{FSlateSurface::WideCharacterTail, {0, 0}, ESlateCellStyle::Normal}));
	// A mark written at the tail's column still belongs to the character, as a terminal draws it.
	EXPECT_EQ(Surface.SetCell(3, 0, U'\u0301'), 3);
	EXPECT_EQ(Surface.GetCellData(1, 0).Marks[0], U'\u0301');
	EXPECT_EQ(Surface.GetCellData(2, 0).Marks[0], 0u);
	EXPECT_EQ(Surface.GetRowText(0), std::u32string(U" \u6587\u0301 "));
}

TEST(Surface, SetCellJoinsAMarkToTheCellBeforeUnlessItIsClippedAway)
{
	struct FCase
	{
		const char* Description;
		FCellRect Clip;
		int32 Column;
		const char32_t* Expected;
	};
	const FCase Cases[] = {
		{"joins the character before", FCellRect(0, 0, 3, 1), 1, U"a\u0301bc"},
		{"nothing before the first column", FCellRect(0, 0, 3, 1), 0, U"abc"},
		{"the cell before lies outside the clip rectangle", FCellRect(1, 0, 2, 1), 1, U"abc"},
		{"the mark's own column outside the clip rectangle does not matter", FCellRect(0, 0, 1, 1), 1, U"a\u0301bc"},
	};
	for (const FCase& Case : Cases)
	{
		FSlateSurface Surface(3, 1);
		Surface.DrawText(0, 0, std::u32string_view(U"abc"));
		Surface.PushClip(Case.Clip);
		EXPECT_EQ(Surface.SetCell(Case.Column, 0, U'\u0301'), Case.Column) << Case.Description;
		EXPECT_EQ(Describe(Surface.GetRowText(0)), Describe(Case.Expected)) << Case.Description;
	}
}

TEST(Surface, StylesAreClippedAndKeptByDrawing)
{
	FSlateSurface Surface(5, 2);
	Surface.PushClip(FCellRect(1, 0, 3, 1));
	Surface.SetStyle(FCellRect(0, 0, 5, 2), ESlateCellStyle::Selected);
	Surface.PopClip();
	const ESlateCellStyle Expected[] = {ESlateCellStyle::Normal, ESlateCellStyle::Selected, ESlateCellStyle::Selected, ESlateCellStyle::Selected, ESlateCellStyle::Normal};
	for (int32 Column = 0; Column < 5; ++Column)
	{
		EXPECT_EQ(Surface.GetCellData(Column, 0).Style, Expected[Column]) << "column " << Column;
		EXPECT_EQ(Surface.GetCellData(Column, 1).Style, ESlateCellStyle::Normal) << "the row below the clip, column " << Column;
	}

	// Text, fills and the blanking of a broken wide character keep each cell's style.
	Surface.DrawText(0, 0, std::u32string_view(U"ab\u6587c"));
	Surface.Fill(FCellRect(0, 1, 5, 1), U'-');
	Surface.SetCell(3, 0, U'x');
	EXPECT_EQ(Surface.GetRowText(0), std::u32string(U"ab xc"));
	for (int32 Column = 0; Column < 5; ++Column)
	{
		EXPECT_EQ(Surface.GetCellData(Column, 0).Style, Expected[Column]) << "column " << Column;
	}
	Surface.SetStyle(FCellRect(-3, -3, 100, 100), ESlateCellStyle::Warning);
	EXPECT_EQ(Surface.GetCellData(4, 1).Style, ESlateCellStyle::Warning) << "a rectangle past the edges styles the whole surface";
	EXPECT_EQ(Surface.GetCellData(9, 9), FSlateCell()) << "outside the surface a cell reads blank and Normal";

	Surface.Reset(5, 2);
	EXPECT_EQ(Surface.GetCellData(2, 0), FSlateCell()) << "a reset clears styles too";
}
