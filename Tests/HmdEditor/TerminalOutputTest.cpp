#include "HmdEditor/Terminal/TerminalCharacters.h"
#include "HmdEditor/Terminal/TerminalStyles.h"

#include <gtest/gtest.h>

#include <curses.h>

TEST(TerminalOutput, LineDrawingOnlyInAUtf8Locale)
{
	struct FCase { const char* Codeset; bool bExpected; };
	const FCase Cases[] = {
		{"UTF-8", true},
		{"utf8", true},
		{"UTF8", true},
		{"ANSI_X3.4-1968", false},
		{"ISO-8859-1", false},
		{"UTF-16", false},
		{"", false},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(IsUtf8Codeset(Case.Codeset), Case.bExpected) << Case.Codeset;
	}
}

TEST(TerminalOutput, FramesInAsciiWhereLineDrawingCannotBeShown)
{
	struct FCase { const char* Description; char32_t Character; char32_t Expected; };
	const FCase Cases[] = {
		{"horizontal line", U'─', U'-'},
		{"double horizontal line", U'═', U'-'},
		{"vertical line", U'│', U'|'},
		{"heavy vertical line", U'┃', U'|'},
		{"corners", U'┌', U'+'},
		{"last corner", U'┘', U'+'},
		{"tee", U'├', U'+'},
		{"a letter stays", U'A', U'A'},
		{"text beyond ASCII stays", U'ë', U'ë'},
		{"the cut-off mark stays", U'…', U'…'},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(ToAsciiLineDrawing(Case.Character), Case.Expected) << Case.Description;
	}
}

TEST(TerminalOutput, NoColorTurnsColoursOff)
{
	struct FCase { const char* Description; bool bTerminalHasColours; const char* NoColor; bool bExpected; };
	const FCase Cases[] = {
		{"a colour terminal", true, nullptr, true},
		{"NO_COLOR empty counts as unset", true, "", true},
		{"NO_COLOR set", true, "1", false},
		{"NO_COLOR set to anything", true, "0", false},
		{"a terminal without colours", false, nullptr, false},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(ShouldUseColour(Case.bTerminalHasColours, Case.NoColor), Case.bExpected) << Case.Description;
	}
}

TEST(TerminalOutput, EveryStyleIsToldApartWithAndWithoutColour)
{
	// What the user must tell apart where it meets: highlighted from the bar and the pull-down it sits on,
	// and every style from plain cells.
	const auto Look = [](ESlateCellStyle Style, bool bColour)
	{
		const FTerminalStyle& Shown = GetTerminalStyle(Style);
		return bColour ? std::to_string(Shown.Foreground) + "/" + std::to_string(Shown.Background) + "/" + std::to_string(Shown.ColourAttributes)
			: std::to_string(Shown.MonochromeAttributes);
	};
	for (const bool bColour : {true, false})
	{
		for (int32 Index = 1; Index < TerminalStyleCount; ++Index)
		{
			EXPECT_NE(Look(static_cast<ESlateCellStyle>(Index), bColour), Look(ESlateCellStyle::Normal, bColour)) << Index << (bColour ? " in colour" : " in monochrome");
		}
		EXPECT_NE(Look(ESlateCellStyle::Selected, bColour), Look(ESlateCellStyle::Bar, bColour));
		EXPECT_NE(Look(ESlateCellStyle::Selected, bColour), Look(ESlateCellStyle::Menu, bColour));
		EXPECT_NE(Look(ESlateCellStyle::Focused, bColour), Look(ESlateCellStyle::Frame, bColour));
		EXPECT_NE(Look(ESlateCellStyle::Warning, bColour), Look(ESlateCellStyle::Bar, bColour));
	}
	EXPECT_EQ(GetTerminalStyle(ESlateCellStyle::Normal).MonochromeAttributes, static_cast<uint32>(A_NORMAL));
}

TEST(TerminalOutput, ALocaleNameTellsWhetherItIsUtf8)
{
	struct FCase { const char* Name; bool bExpected; };
	const FCase Cases[] = {
		{"de_DE.UTF-8", true},
		{"en_US.utf8", true},
		{"C.UTF-8@euro", true},
		{"de_DE.ISO-8859-1", false},
		{"de_DE@euro", false},
		{"C", false},
		{"POSIX", false},
		{"", false},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(IsUtf8LocaleName(Case.Name), Case.bExpected) << Case.Name;
	}
}

TEST(TerminalOutput, TheRequestedLocaleFollowsLcAllThenLcCtypeThenLang)
{
	struct FCase { const char* Description; const char* LcAll; const char* LcCtype; const char* Lang; std::string_view Expected; };
	const FCase Cases[] = {
		{"LC_ALL first", "C", "de_DE.UTF-8", "en_US.UTF-8", "C"},
		{"an empty LC_ALL counts as unset", "", "de_DE.UTF-8", "en_US.UTF-8", "de_DE.UTF-8"},
		{"LANG last", nullptr, nullptr, "en_US.UTF-8", "en_US.UTF-8"},
		{"none set", nullptr, "", nullptr, ""},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(GetRequestedCharacterLocale(Case.LcAll, Case.LcCtype, Case.Lang), Case.Expected) << Case.Description;
	}
}
