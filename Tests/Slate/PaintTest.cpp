#include "TestFormPanel.h"
#include "SlateTestHelpers.h"
#include "Widgets/SWindow.h"

using SlateTest::PaintAlone;
using SlateTest::Row;

TEST(Surface, StoresOnlyShowableCharacters)
{
	FSlateSurface Surface(8, 1);
	// Escape, DEL, a C1 control, a lone surrogate and a value past Unicode would let painted text drive a terminal.
	Surface.DrawText(0, 0, std::u32string(U"a\x1B\x7F\x9B") + char32_t(0xD800) + char32_t(0x110000) + U"\U0001F600z");
	// The emoji takes two cells, which leaves no room for the z.
	EXPECT_EQ(Row(Surface, 0), "a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\U0001F600");
	// Out-of-range reads are blank, out-of-range writes are dropped.
	Surface.SetCell(-1, 0, U'x');
	Surface.SetCell(8, 0, U'x');
	EXPECT_EQ(Surface.GetCell(99, 99), U' ');
}

TEST(Surface, ClipBorderFillAndCursor)
{
	FSlateSurface Surface(6, 4);
	Surface.DrawBorder(FCellRect(0, 0, 6, 4));
	Surface.PushClip(FCellRect(1, 1, 3, 1));
	Surface.Fill(FCellRect(0, 0, 6, 4), U'#');
	EXPECT_EQ(Surface.DrawText(0, 1, std::u32string_view(U"abcdef")), 6);
	Surface.SetCursor(5, 1);
	EXPECT_FALSE(Surface.IsCursorVisible()) << "a cursor outside the clip rectangle hides";
	Surface.SetCursor(2, 1);
	EXPECT_TRUE(Surface.IsCursorVisible());
	EXPECT_EQ(Surface.GetCursorColumn(), 2);
	Surface.PopClip();
	EXPECT_EQ(Row(Surface, 0), "┌────┐");
	EXPECT_EQ(Row(Surface, 1), "│bcd │");
	EXPECT_EQ(Row(Surface, 2), "│    │");
	EXPECT_EQ(Row(Surface, 3), "└────┘");
}

TEST(Paint, TextBlockLinesAreClippedToTheWidget)
{
	const FSlateSurface Surface = PaintAlone(SNew(STextBlock).Text(FText::FromString(FString(u"Nickname\nShow Hints"))), 6, 3);
	EXPECT_EQ(Row(Surface, 0), "Nickna");
	EXPECT_EQ(Row(Surface, 1), "Show H");
	EXPECT_EQ(Row(Surface, 2), "      ");
}

TEST(Paint, CheckBoxStates)
{
	struct FCase
	{
		ECheckBoxState State;
		const char* Expected;
	};
	const FCase Cases[] = {
		{ECheckBoxState::Unchecked, "[ ]  "},
		{ECheckBoxState::Checked, "[x]  "},
		{ECheckBoxState::Undetermined, "[-]  "},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Row(PaintAlone(SNew(SCheckBox).IsChecked(Case.State), 5, 1), 0), Case.Expected);
	}
	// Content sits one cell right of the box.
	const TSharedRef<SCheckBox> WithLabel = SNew(SCheckBox).IsChecked(ECheckBoxState::Checked)[SNew(STextBlock).Text(FText::FromString(FString(u"Log")))];
	EXPECT_EQ(WithLabel->GetDesiredSize(), FVector2D(56.0f, 16.0f));
	EXPECT_EQ(Row(PaintAlone(WithLabel, 8, 1), 0), "[x] Log ");
}

class PaintWithFocus : public SlateTest::FApplicationTest
{
};

TEST_F(PaintWithFocus, FocusedWidgetsPlaceTheCursor)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	Panel->NameTextBox->SetText(FText::FromString(FString(u"Ada1")));
	const TSharedRef<SWindow> Window = SNew(SWindow).Title(FText::FromString(FString(u"Preferences"))).SizingRule(ESizingRule::Autosized)[Panel];
	App().SetScreenSize(40, 7);
	App().AddModalWindow(Window, nullptr, true);

	// The panel asks for 252 by 48 units; with the chrome that is 33.5 by 5 cells, rounded up and centred.
	EXPECT_EQ(Window->GetScreenCellRect(), FCellRect(3, 1, 34, 5));
	const FSlateSurface& Surface = App().PaintToSurface();
	EXPECT_EQ(Row(Surface, 0), std::string(40, ' '));
	EXPECT_EQ(Row(Surface, 1), "   ┌ Preferences ────────────────[X]┐   ");
	EXPECT_EQ(Row(Surface, 2), "   │ Nickname       [Ada1_________] │   ");
	EXPECT_EQ(Row(Surface, 3), "   │                                │   ");
	EXPECT_EQ(Row(Surface, 4), "   │ Show Hints     [ ]             │   ");
	EXPECT_EQ(Row(Surface, 5), "   └────────────────────────────────┘   ");
	ASSERT_TRUE(Surface.IsCursorVisible());
	EXPECT_EQ(Surface.GetCursorColumn(), 25) << "after the last character of the name";
	EXPECT_EQ(Surface.GetCursorRow(), 2);

	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Tab));
	EXPECT_EQ(App().PaintToSurface().GetCursorColumn(), 21);
	EXPECT_EQ(App().PaintToSurface().GetCursorRow(), 4) << "on the check box's mark";
	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Tab));
	EXPECT_EQ(App().PaintToSurface().GetCursorColumn(), 34) << "on the close button's X";
	EXPECT_EQ(App().PaintToSurface().GetCursorRow(), 1);
	App().ClearKeyboardFocus();
	EXPECT_FALSE(App().PaintToSurface().IsCursorVisible());
}

TEST_F(PaintWithFocus, TitleIsCutBeforeTheCloseButton)
{
	const TSharedRef<SWindow> Window = SNew(SWindow).Title(FText::FromString(FString(u"A very long title"))).ClientSize(FVector2D(16.0f, 16.0f));
	App().SetScreenSize(12, 3);
	App().AddModalWindow(Window, nullptr, true);
	const FSlateSurface& Surface = App().PaintToSurface();
	EXPECT_EQ(Row(Surface, 0), "┌ A very[X]┐");
}
