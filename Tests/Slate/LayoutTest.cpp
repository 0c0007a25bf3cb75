#include "Layout/LayoutUtils.h"
#include "TestFormPanel.h"
#include "SlateTestHelpers.h"

using SlateTest::FindGeometry;
using SlateTest::FixedSize;

TEST(Layout, AlignmentOfEachKind)
{
	// 100 units allotted, padding 10 before and 20 after: 70 units of room.
	const FMargin Padding(10.0f, 10.0f, 20.0f, 20.0f);
	struct FCase
	{
		uint8 Alignment;
		float Desired;
		float Offset;
		float Size;
	};
	const FCase Cases[] = {
		{0, 30.0f, 10.0f, 70.0f},  // fill ignores the desired size
		{1, 30.0f, 10.0f, 30.0f},  // start
		{2, 30.0f, 30.0f, 30.0f},  // centre
		{3, 30.0f, 50.0f, 30.0f},  // end
		{1, 500.0f, 10.0f, 70.0f}, // a child larger than the room is cut down to it
		{3, 500.0f, 10.0f, 70.0f},
	};
	for (const FCase& Case : Cases)
	{
		const FAlignmentArrangeResult X = LayoutUtils::AlignHorizontally(static_cast<EHorizontalAlignment>(Case.Alignment), 100.0f, Padding, Case.Desired);
		const FAlignmentArrangeResult Y = LayoutUtils::AlignVertically(static_cast<EVerticalAlignment>(Case.Alignment), 100.0f, Padding, Case.Desired);
		EXPECT_FLOAT_EQ(X.Offset, Case.Offset) << int(Case.Alignment);
		EXPECT_FLOAT_EQ(X.Size, Case.Size) << int(Case.Alignment);
		EXPECT_FLOAT_EQ(Y.Offset, Case.Offset) << int(Case.Alignment);
		EXPECT_FLOAT_EQ(Y.Size, Case.Size) << int(Case.Alignment);
	}
	// Padding larger than the space leaves nothing, never a negative size.
	EXPECT_FLOAT_EQ(LayoutUtils::AlignHorizontally(HAlign_Fill, 20.0f, Padding, 5.0f).Size, 0.0f);
}

TEST(Layout, EnumerationValues)
{
	EXPECT_EQ(HAlign_Fill, 0);
	EXPECT_EQ(HAlign_Left, 1);
	EXPECT_EQ(HAlign_Center, 2);
	EXPECT_EQ(HAlign_Right, 3);
	EXPECT_EQ(VAlign_Fill, 0);
	EXPECT_EQ(VAlign_Top, 1);
	EXPECT_EQ(VAlign_Center, 2);
	EXPECT_EQ(VAlign_Bottom, 3);
	EXPECT_EQ(static_cast<int>(ECheckBoxState::Unchecked), 0);
	EXPECT_EQ(static_cast<int>(ECheckBoxState::Checked), 1);
	EXPECT_EQ(static_cast<int>(ECheckBoxState::Undetermined), 2);
	EXPECT_EQ(ETextCommit::Default, 0);
	EXPECT_EQ(ETextCommit::OnEnter, 1);
	EXPECT_EQ(ETextCommit::OnUserMovedFocus, 2);
	EXPECT_EQ(ETextCommit::OnCleared, 3);
}

TEST(Layout, HorizontalBoxSharesFreeSpaceByStretch)
{
	struct FCase
	{
		const char* Name;
		float Allotted;
		float FirstStretch;
		float SecondStretch;
		float FirstWidth;
		float SecondX;
		float SecondWidth;
	};
	const FCase Cases[] = {
		{"halves", 200.0f, 0.5f, 0.5f, 80.0f, 120.0f, 80.0f},
		{"one to three", 200.0f, 1.0f, 3.0f, 40.0f, 80.0f, 120.0f},
		{"zero stretch takes nothing", 200.0f, 0.0f, 1.0f, 0.0f, 40.0f, 160.0f},
		{"no room left", 30.0f, 1.0f, 1.0f, 0.0f, 40.0f, 0.0f},
	};
	for (const FCase& Case : Cases)
	{
		// An automatic 40-unit child first, then the two filling ones.
		const TSharedRef<SWidget> Auto = FixedSize(40.0f, 16.0f);
		const TSharedRef<SWidget> First = FixedSize(10.0f, 16.0f);
		const TSharedRef<SWidget> Second = FixedSize(10.0f, 16.0f);
		const TSharedRef<SHorizontalBox> Box = SNew(SHorizontalBox)
			+ SHorizontalBox::Slot().AutoWidth()[Auto]
			+ SHorizontalBox::Slot().FillWidth(Case.FirstStretch)[First]
			+ SHorizontalBox::Slot().FillWidth(Case.SecondStretch)[Second];
		const FGeometry Root(FVector2D(0.0f, 0.0f), FVector2D(Case.Allotted, 32.0f));
		EXPECT_EQ(*FindGeometry(Box, Root, *Auto), FGeometry(FVector2D(0.0f, 0.0f), FVector2D(40.0f, 32.0f))) << Case.Name;
		EXPECT_FLOAT_EQ(FindGeometry(Box, Root, *First)->Size.X, Case.FirstWidth) << Case.Name;
		EXPECT_FLOAT_EQ(FindGeometry(Box, Root, *Second)->Position.X, Case.SecondX) << Case.Name;
		EXPECT_FLOAT_EQ(FindGeometry(Box, Root, *Second)->Size.X, Case.SecondWidth) << Case.Name;
	}
}

TEST(Layout, BoxSlotPaddingAndAlignment)
{
	const TSharedRef<SWidget> Left = FixedSize(20.0f, 10.0f);
	const TSharedRef<SWidget> Right = FixedSize(20.0f, 10.0f);
	const TSharedRef<SHorizontalBox> Box = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().FillWidth(1.0f).Padding(FMargin(2.0f, 3.0f, 4.0f, 5.0f)).HAlign(HAlign_Right).VAlign(VAlign_Bottom)[Left]
		+ SHorizontalBox::Slot().FillWidth(1.0f).HAlign(HAlign_Center).VAlign(VAlign_Center)[Right];
	// 100 wide: the paddings take 6, the fill slots share 94 (47 each).
	const FGeometry Root(FVector2D(100.0f, 200.0f), FVector2D(100.0f, 40.0f));
	EXPECT_EQ(*FindGeometry(Box, Root, *Left), FGeometry(FVector2D(100.0f + 2.0f + 27.0f, 200.0f + 25.0f), FVector2D(20.0f, 10.0f)));
	EXPECT_EQ(*FindGeometry(Box, Root, *Right), FGeometry(FVector2D(100.0f + 53.0f + 13.5f, 215.0f), FVector2D(20.0f, 10.0f)));
}

TEST(Layout, DesiredSizeOfBoxesSumsAlongAndTakesTheLargestAcross)
{
	const TSharedRef<SHorizontalBox> Row = SNew(SHorizontalBox)
		+ SHorizontalBox::Slot().AutoWidth().Padding(2.0f)[FixedSize(40.0f, 16.0f)]
		+ SHorizontalBox::Slot().FillWidth(0.5f)[FixedSize(30.0f, 32.0f)];
	EXPECT_EQ(Row->GetDesiredSize(), FVector2D(74.0f, 32.0f));

	const TSharedRef<SVerticalBox> Column = SNew(SVerticalBox)
		+ SVerticalBox::Slot().AutoHeight().Padding(FMargin(1.0f, 2.0f))[FixedSize(40.0f, 16.0f)]
		+ SVerticalBox::Slot().FillHeight(1.0f)[FixedSize(50.0f, 16.0f)];
	EXPECT_EQ(Column->GetDesiredSize(), FVector2D(50.0f, 36.0f));
}

TEST(Layout, VerticalBoxAutoAndFillHeights)
{
	const TSharedRef<SWidget> Top = FixedSize(10.0f, 16.0f);
	const TSharedRef<SWidget> Middle = FixedSize(10.0f, 16.0f);
	const TSharedRef<SWidget> Bottom = FixedSize(10.0f, 16.0f);
	const TSharedRef<SVerticalBox> Box = SNew(SVerticalBox)
		+ SVerticalBox::Slot().AutoHeight()[Top]
		+ SVerticalBox::Slot().FillHeight(1.0f).VAlign(VAlign_Top)[Middle]
		+ SVerticalBox::Slot().AutoHeight().HAlign(HAlign_Right)[Bottom];
	const FGeometry Root(FVector2D(0.0f, 0.0f), FVector2D(80.0f, 100.0f));
	EXPECT_EQ(*FindGeometry(Box, Root, *Top), FGeometry(FVector2D(0.0f, 0.0f), FVector2D(80.0f, 16.0f)));
	EXPECT_EQ(*FindGeometry(Box, Root, *Middle), FGeometry(FVector2D(0.0f, 16.0f), FVector2D(80.0f, 16.0f)));
	EXPECT_EQ(*FindGeometry(Box, Root, *Bottom), FGeometry(FVector2D(70.0f, 84.0f), FVector2D(10.0f, 16.0f)));
}

TEST(Layout, BoxAlignsItsContentAndBoundsItsDesiredSize)
{
	const TSharedRef<SWidget> Content = FixedSize(20.0f, 10.0f);
	const TSharedRef<SBox> Box = SNew(SBox).HAlign(HAlign_Center).VAlign(VAlign_Bottom).Padding(FMargin(4.0f, 2.0f))[Content];
	EXPECT_EQ(Box->GetDesiredSize(), FVector2D(28.0f, 14.0f));
	const FGeometry Root(FVector2D(0.0f, 0.0f), FVector2D(108.0f, 54.0f));
	EXPECT_EQ(*FindGeometry(Box, Root, *Content), FGeometry(FVector2D(44.0f, 42.0f), FVector2D(20.0f, 10.0f)));

	struct FCase
	{
		const char* Name;
		TSharedRef<SBox> Box;
		FVector2D Desired;
	};
	const FCase Cases[] = {
		{"override", SNew(SBox).WidthOverride(5.0f).HeightOverride(7.0f)[FixedSize(20.0f, 10.0f)], FVector2D(5.0f, 7.0f)},
		{"minimum", SNew(SBox).MinDesiredWidth(50.0f).MinDesiredHeight(5.0f)[FixedSize(20.0f, 10.0f)], FVector2D(50.0f, 10.0f)},
		{"maximum", SNew(SBox).MaxDesiredWidth(15.0f).MaxDesiredHeight(50.0f)[FixedSize(20.0f, 10.0f)], FVector2D(15.0f, 10.0f)},
		{"empty", SNew(SBox), FVector2D(0.0f, 0.0f)},
	};
	for (const FCase& Case : Cases)
	{
		EXPECT_EQ(Case.Box->GetDesiredSize(), Case.Desired) << Case.Name;
	}
}

TEST(Layout, TextMeasuresEightUnitsPerColumnAndSixteenPerLine)
{
	struct FCase
	{
		const char* Description;
		const char16_t* Text;
		FVector2D Desired;
	};
	const FCase Cases[] = {
		{"an empty text keeps one line", u"", FVector2D(0.0f, 16.0f)},
		{"one line", u"Nickname", FVector2D(64.0f, 16.0f)},
		{"the longest line, and a last empty one", u"ab\ncdef\n", FVector2D(32.0f, 48.0f)},
		{"an emoji takes two columns, an accented letter one", u"\U0001F600\u00E9", FVector2D(24.0f, 16.0f)},
		{"wide ideographs", u"\u6587\u6863", FVector2D(32.0f, 16.0f)},
		{"a combining mark takes none", u"e\u0301", FVector2D(8.0f, 16.0f)},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedRef<STextBlock> Text = SNew(STextBlock).Text(FText::FromString(FString(Case.Text)));
		EXPECT_EQ(Text->GetDesiredSize(), Case.Desired) << Case.Description;
	}
}

TEST(Layout, FormPanelTree)
{
	const TSharedRef<STestFormPanel> Panel = SNew(STestFormPanel);
	// Paddings 4 + 2 on each side; the name row is the label (64) and the text box (20 characters and brackets).
	const FVector2D Desired = Panel->GetDesiredSize();
	EXPECT_EQ(Desired, FVector2D(4.0f + 2.0f + 64.0f + 176.0f + 2.0f + 4.0f, 4.0f + (2.0f + 16.0f + 2.0f) * 2.0f + 4.0f));

	const FGeometry Root(FVector2D(8.0f, 16.0f), Desired);
	struct FCase
	{
		const char* Name;
		const SWidget* Widget;
		FGeometry Expected;
		FCellRect Cells;
	};
	const FCase Cases[] = {
		{"rows", Panel->Rows.Get(), FGeometry(FVector2D(12.0f, 20.0f), FVector2D(244.0f, 40.0f)), FCellRect(2, 1, 30, 3)},
		{"name row", Panel->NameRow.Get(), FGeometry(FVector2D(14.0f, 22.0f), FVector2D(240.0f, 16.0f)), FCellRect(2, 1, 30, 1)},
		{"name label", Panel->NameLabel.Get(), FGeometry(FVector2D(14.0f, 22.0f), FVector2D(64.0f, 16.0f)), FCellRect(2, 1, 8, 1)},
		{"name box", Panel->NameTextBox.Get(), FGeometry(FVector2D(134.0f, 22.0f), FVector2D(120.0f, 16.0f)), FCellRect(17, 1, 15, 1)},
		{"hints row", Panel->HintsRow.Get(), FGeometry(FVector2D(14.0f, 42.0f), FVector2D(240.0f, 16.0f)), FCellRect(2, 3, 30, 1)},
		{"hints label", Panel->HintsLabel.Get(), FGeometry(FVector2D(14.0f, 42.0f), FVector2D(80.0f, 16.0f)), FCellRect(2, 3, 10, 1)},
		{"check box", Panel->HintsCheckBox.Get(), FGeometry(FVector2D(134.0f, 42.0f), FVector2D(120.0f, 16.0f)), FCellRect(17, 3, 15, 1)},
	};
	for (const FCase& Case : Cases)
	{
		const std::optional<FGeometry> Geometry = FindGeometry(Panel, Root, *Case.Widget);
		ASSERT_TRUE(Geometry.has_value()) << Case.Name;
		EXPECT_EQ(*Geometry, Case.Expected) << Case.Name;
		EXPECT_EQ(Geometry->GetCellRect(), Case.Cells) << Case.Name;
	}
	// The two rows land on different cell rows with a free row between them.
	EXPECT_LT(FindGeometry(Panel, Root, *Panel->NameRow)->GetCellRect().GetBottom(), FindGeometry(Panel, Root, *Panel->HintsRow)->GetCellRect().Row);
}

TEST(Layout, BoxesCanBeRefilled)
{
	const TSharedRef<SHorizontalBox> Box = SNew(SHorizontalBox) + SHorizontalBox::Slot()[FixedSize(10.0f, 16.0f)];
	Box->ClearChildren();
	EXPECT_EQ(Box->GetChildren().Num(), 0);
	EXPECT_EQ(Box->GetDesiredSize(), FVector2D(0.0f, 0.0f));
	Box->AddSlot(SHorizontalBox::Slot().AutoWidth().Padding(1.0f)[FixedSize(24.0f, 16.0f)]);
	EXPECT_EQ(Box->GetDesiredSize(), FVector2D(26.0f, 18.0f));
}
