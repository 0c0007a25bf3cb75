// What the status line keeps as it narrows: the first key hint, then the
// message (cut with a mark), then the other hints while they fit.
#include "HmdEditor/Widgets/SStatusLine.h"

#include "Framework/Application/SlateApplication.h"
#include "Widgets/SWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	std::string ToUtf8(const std::u32string& Text)
	{
		std::string Bytes;
		for (const char32_t Character : Text)
		{
			if (Character < 0x80)
			{
				Bytes += static_cast<char>(Character);
			}
			else
			{
				Bytes += "\xE2\x80\xA6"; // the only non-ASCII character here is the cut mark
			}
		}
		return Bytes;
	}
}

TEST(StatusLine, NarrowLinesKeepTheFirstHintThenTheMessageThenTheOtherHints)
{
	const TArray<std::u32string> Hints = {U"F10 menu", U"F1 help", U"Ctrl+Q quit"};
	const struct
	{
		const char* Description;
		std::u32string Message;
		int32 Width;
		const char* ExpectedMessage;
		const char* ExpectedHints;
	} Cases[] = {
		{"all fits", U"Saved", 80, "Saved", "F10 menu  F1 help  Ctrl+Q quit"},
		{"no message: the hints alone", U"", 40, "", "F10 menu  F1 help  Ctrl+Q quit"},
		{"the last hint goes first", U"", 30, "", "F10 menu  F1 help"},
		{"the narrowest screen still has room for two", U"", 20, "", "F10 menu  F1 help"},
		{"the first hint stays when nothing else fits", U"", 12, "", "F10 menu"},
		{"the message is cut to the room the first hint leaves", U"Warning: the settings were not saved", 20, "Warning\xE2\x80\xA6", "F10 menu"},
		{"the other hints fill what the message leaves", U"Saved the settings", 40, "Saved the settings", "F10 menu  F1 help"},
		{"too narrow even for the first hint", U"Settings saved", 9, "Settin\xE2\x80\xA6", ""},
	};
	for (const auto& Case : Cases)
	{
		const FStatusLineLayout Layout = ComposeStatusLine(Case.Message, Hints, Case.Width);
		EXPECT_EQ(ToUtf8(Layout.Message), Case.ExpectedMessage) << Case.Description;
		EXPECT_EQ(ToUtf8(Layout.Hints), Case.ExpectedHints) << Case.Description;
	}
}

TEST(StatusLine, DoubleWidthCharactersAreCutByTheCellsTheyTake)
{
	// Each of these takes two cells: seven of them do not fit in the eleven cells beside "F1".
	const FStatusLineLayout Layout = ComposeStatusLine(U"\u6587\u6863\u6587\u6863\u6587\u6863\u6587", {U"F1"}, 17);
	EXPECT_EQ(Layout.Message, U"\u6587\u6863\u6587\u6863\u6587\u2026");
	EXPECT_EQ(Layout.Hints, U"F1");
}

TEST(StatusLine, TheRowIsABarAndAWarningShowsInTheWarningStyle)
{
	FSlateApplication& Application = FSlateApplication::Create();
	Application.SetScreenSize(30, 1);
	Application.AddWindow(SNew(SWindow).CreateTitleBar(false)
	[
		SNew(SStatusLine)
		.Message(FText::FromString(TEXT("Warning: lost")))
		.MessageStyle(ESlateCellStyle::Warning)
		.KeyHints(TArray<FText>{FText::FromString(TEXT("F10 menu"))})
	]);
	const FSlateSurface& Surface = Application.PaintToSurface();
	const struct
	{
		const char* Description;
		int32 Column;
		ESlateCellStyle Expected;
	} Cells[] = {
		{"the blank before the message", 0, ESlateCellStyle::Bar},
		{"the message", 1, ESlateCellStyle::Warning},
		{"the message's last cell", 13, ESlateCellStyle::Warning},
		{"between the message and the hints", 15, ESlateCellStyle::Bar},
		{"the hints", 25, ESlateCellStyle::Bar},
	};
	for (const auto& Cell : Cells)
	{
		EXPECT_EQ(Surface.GetCellData(Cell.Column, 0).Style, Cell.Expected) << Cell.Description;
	}
	FSlateApplication::Shutdown();
}
