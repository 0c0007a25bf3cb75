#include "TestFormPanel.h"
#include "SlateTestHelpers.h"
#include "Widgets/SWindow.h"

namespace
{
	/** A host-style widget: paints its own line and handles F1 when its children leave it unhandled. */
	class SStatusLine : public SCompoundWidget
	{
	public:
		SLATE_BEGIN_ARGS(SStatusLine) {}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs)
		{
			ChildSlot.Padding(FMargin(0.0f, 16.0f, 0.0f, 0.0f))[InArgs._Content.Widget];
		}

		FReply OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent) override
		{
			if (InKeyEvent.GetKey() == EKeys::F1 && InKeyEvent.IsControlDown())
			{
				++HelpRequests;
				return FReply::Handled();
			}
			return FReply::Unhandled();
		}

		int32 HelpRequests = 0;

	protected:
		void OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const override
		{
			const FCellRect Cells = AllottedGeometry.GetCellRect();
			Surface.Fill(FCellRect(Cells.Column, Cells.Row, Cells.Columns, 1), U'=');
			PaintChildren(AllottedGeometry, Surface);
		}
	};
}

class Focus : public SlateTest::FApplicationTest
{
};

TEST_F(Focus, TabAndShiftTabWrapInsideTheActiveWindow)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	const TSharedRef<SWindow> Window = SNew(SWindow).SizingRule(ESizingRule::Autosized)[Panel];
	App().AddModalWindow(Window, nullptr, true);
	const TArray<TSharedRef<SWidget>> Order = {Panel->NameTextBox.ToSharedRef(), Panel->HintsCheckBox.ToSharedRef(), Window->GetChildren().GetChildAt(1)};

	struct FCase
	{
		bool bShift;
		int32 Expected;
	};
	const FCase Cases[] = {{false, 1}, {false, 2}, {false, 0}, {true, 2}, {true, 1}, {true, 0}, {true, 2}};
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Order[0]));
	for (const FCase& Case : Cases)
	{
		FModifierKeysState Modifiers;
		Modifiers.bShift = Case.bShift;
		EXPECT_TRUE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::Tab, Modifiers)));
		EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Order[Case.Expected]));
	}
	// From no focus at all, Tab starts at the first widget and Shift+Tab at the last.
	App().ClearKeyboardFocus();
	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Tab, FModifierKeysState{true, false, false}));
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Order[2]));
}

TEST_F(Focus, ClicksFocusTheWidgetUnderThemAndToggle)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	const TSharedRef<SWindow> Window = SNew(SWindow).SizingRule(ESizingRule::Autosized)[Panel];
	App().AddModalWindow(Window, nullptr, true);
	const FCellRect CheckCells = SlateTest::FindGeometry(Window, Window->GetWindowGeometry(), *Panel->HintsCheckBox)->GetCellRect();
	EXPECT_TRUE(App().ProcessMouseButtonDownEvent(FPointerEvent(CheckCells.Column + 1, CheckCells.Row)));
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Panel->HintsCheckBox));
	EXPECT_TRUE(Panel->bShowHints);
	ASSERT_EQ(Panel->Commits.Num(), 1) << "the name box lost the focus";
	EXPECT_EQ(Panel->Commits[0], ETextCommit::OnUserMovedFocus);
	// A click on a label focuses nothing new and is not handled.
	const FCellRect LabelCells = SlateTest::FindGeometry(Window, Window->GetWindowGeometry(), *Panel->NameLabel)->GetCellRect();
	EXPECT_FALSE(App().ProcessMouseButtonDownEvent(FPointerEvent(LabelCells.Column, LabelCells.Row)));
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Panel->HintsCheckBox));
	// Outside every window nothing happens.
	EXPECT_FALSE(App().ProcessMouseButtonDownEvent(FPointerEvent(0, 0)));
}

TEST_F(Focus, UnhandledKeysBubbleToParentsAndHostWidgetsPaintThemselves)
{
	TSharedPtr<SStatusLine> Status;
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).MinDesiredWidth(32.0f);
	const TSharedRef<SWindow> Main = App().AddWindow(SNew(SWindow).CreateTitleBar(false)[SAssignNew(Status, SStatusLine)[Box]]);
	App().SetScreenSize(8, 2);

	EXPECT_TRUE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::F1, FModifierKeysState{false, true, false})));
	EXPECT_EQ(Status->HelpRequests, 1);
	EXPECT_TRUE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::Left))) << "the focused box handles its own keys";
	EXPECT_FALSE(App().ProcessKeyDownEvent(FKeyEvent(EKeys::Escape))) << "Escape closes only modal windows";
	EXPECT_TRUE(App().IsWindowOpen(*Main));

	const FSlateSurface& Surface = App().PaintToSurface();
	EXPECT_EQ(SlateTest::Row(Surface, 0), "========");
	EXPECT_EQ(SlateTest::Row(Surface, 1), "[______]");
}
