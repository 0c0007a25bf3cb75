#include "TestFormPanel.h"
#include "SlateTestHelpers.h"
#include "Widgets/SWindow.h"

#include <string>

using SlateTest::Row;

namespace
{
	/** One letter per cell for its style: . Normal, b Bar, m Menu, s Selected, F Frame, # Focused, w Warning. */
	std::string StyleRow(const FSlateSurface& Surface, int32 RowIndex, int32 FirstColumn = 0, int32 Columns = -1)
	{
		const int32 End = Columns < 0 ? Surface.GetColumns() : FirstColumn + Columns;
		std::string Result;
		for (int32 Column = FirstColumn; Column < End; ++Column)
		{
			// In the order of ESlateCellStyle.
			constexpr char Letters[] = ".bmsF#w";
			Result += Letters[static_cast<int32>(Surface.GetCellData(Column, RowIndex).Style)];
		}
		return Result;
	}

	/** A host-style widget that paints all its cells in the Bar style. */
	class SBarBackground : public SCompoundWidget
	{
	public:
		SLATE_BEGIN_ARGS(SBarBackground) {}
		SLATE_END_ARGS()

		void Construct(const FArguments& /*InArgs*/) {}

	protected:
		void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override
		{
			Surface.Fill(AllottedGeometry.GetCellRect(), U'=');
			Surface.SetStyle(AllottedGeometry.GetCellRect(), ESlateCellStyle::Bar);
		}
	};
}

class WindowStyle : public SlateTest::FApplicationTest
{
};

TEST_F(WindowStyle, FrameAndTitleAreFramedAndTheFocusedCheckBoxOrCloseButtonStandsOut)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	const TSharedRef<SWindow> Window = SNew(SWindow).Title(FText::FromString(FString(u"Preferences"))).SizingRule(ESizingRule::Autosized)[Panel];
	App().SetScreenSize(40, 7);
	App().AddModalWindow(Window, nullptr, true);
	ASSERT_EQ(Window->GetScreenCellRect(), FCellRect(3, 1, 34, 5));
	const TSharedRef<SWidget> CloseButton = Window->GetChildren().GetChildAt(1);

	const std::string Outside(40, '.');
	const std::string FrameRow = "..." + std::string(34, 'F') + "...";
	const std::string InsideRow = "...F" + std::string(32, '.') + "F...";
	struct FCase
	{
		const char* Description;
		TSharedPtr<SWidget> Focus;
		std::string TitleRow;
		/** The check box's row; the box is at columns 20 to 22. */
		std::string CheckBoxRow;
	};
	const FCase Cases[] = {
		{"the check box focused: its box only, not the rest of its slot", Panel->HintsCheckBox,
			FrameRow, "...F" + std::string(16, '.') + "###" + std::string(13, '.') + "F..."},
		{"the close button focused", CloseButton, "..." + std::string(30, 'F') + "###F...", InsideRow},
		{"nothing focused", nullptr, FrameRow, InsideRow},
	};
	for (const FCase& Case : Cases)
	{
		App().SetKeyboardFocus(Case.Focus);
		const FSlateSurface& Surface = App().PaintToSurface();
		EXPECT_EQ(StyleRow(Surface, 0), Outside) << Case.Description;
		EXPECT_EQ(StyleRow(Surface, 1), Case.TitleRow) << Case.Description;
		// The name row: the border and the label (the text box paints its own field).
		EXPECT_EQ(StyleRow(Surface, 2, 0, 19), "...F" + std::string(15, '.')) << Case.Description;
		EXPECT_EQ(StyleRow(Surface, 2, 36, 4), "F...") << Case.Description;
		EXPECT_EQ(StyleRow(Surface, 3), InsideRow) << Case.Description;
		EXPECT_EQ(StyleRow(Surface, 4), Case.CheckBoxRow) << Case.Description;
		EXPECT_EQ(StyleRow(Surface, 5), FrameRow) << Case.Description;
		EXPECT_EQ(StyleRow(Surface, 6), Outside) << Case.Description;
	}
}

TEST_F(WindowStyle, CheckBoxContentIsFocusedWithTheBox)
{
	const TSharedRef<SCheckBox> Box = SNew(SCheckBox)[SNew(STextBlock).Text(FText::FromString(FString(u"Log")))];
	App().SetScreenSize(10, 1);
	App().AddWindow(SNew(SWindow).CreateTitleBar(false)[Box]);
	ASSERT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Box));
	const FSlateSurface& Surface = App().PaintToSurface();
	EXPECT_EQ(Row(Surface, 0), "[ ] Log   ");
	EXPECT_EQ(StyleRow(Surface, 0), "#######...");
}

TEST_F(WindowStyle, AWindowCoversTheStylesBelowIt)
{
	App().SetScreenSize(12, 5);
	App().AddWindow(SNew(SWindow).CreateTitleBar(false)[SNew(SBarBackground)]);
	App().AddModalWindow(SNew(SWindow).ClientSize(FVector2D(48.0f, 16.0f)), nullptr, true);
	App().ClearKeyboardFocus();
	const FSlateSurface& Surface = App().PaintToSurface();
	EXPECT_EQ(StyleRow(Surface, 0), "bbbbbbbbbbbb");
	EXPECT_EQ(StyleRow(Surface, 1), "bbFFFFFFFFbb");
	EXPECT_EQ(StyleRow(Surface, 2), "bbF......Fbb") << "a window without content is blank and Normal inside";
	EXPECT_EQ(Row(Surface, 2), "==│      │==");
	EXPECT_EQ(StyleRow(Surface, 3), "bbFFFFFFFFbb");
	EXPECT_EQ(StyleRow(Surface, 4), "bbbbbbbbbbbb");
}

class WindowTitle : public SlateTest::FApplicationTest
{
};

TEST_F(WindowTitle, WideCharactersKeepTheFrameInPlace)
{
	struct FCase
	{
		const char* Description;
		int32 ScreenColumns;
		const char* Expected;
	};
	const FCase Cases[] = {
		{"the window widens to the title's columns", 20, "┌ 文档文档 [X]┐"},
		{"cut before the close button between two characters", 12, "┌ 文档文[X]┐"},
		{"cut through a character, which leaves a space", 11, "┌ 文档 [X]┐"},
	};
	for (const FCase& Case : Cases)
	{
		FSlateApplication::Shutdown();
		const TSharedRef<SWindow> Window = SNew(SWindow).Title(FText::FromString(FString(u"\u6587\u6863\u6587\u6863"))).SizingRule(ESizingRule::Autosized)[SlateTest::FixedSize(8.0f, 16.0f)];
		EXPECT_EQ(Window->GetDesiredSize(), FVector2D((2 + 8 + 2 + 3) * 8.0f, 48.0f)) << "two columns per character of the title";
		App().SetScreenSize(Case.ScreenColumns, 3);
		App().AddWindow(Window);
		const FSlateSurface& Surface = App().PaintToSurface();
		EXPECT_EQ(Row(Surface, 0).substr(0, std::string(Case.Expected).size()), Case.Expected) << Case.Description;
		EXPECT_EQ(Surface.GetCell(Window->GetScreenCellRect().GetRight() - 1, 0), U'┐') << Case.Description;
	}
}
