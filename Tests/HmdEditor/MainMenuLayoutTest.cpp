#include "HmdEditor/Menus/MainMenuLayout.h"

#include "Text/CodePointString.h"

#include <gtest/gtest.h>

namespace
{
	FMenuEntryModel Entry(const TCHAR* Label, const TCHAR* Chord = TEXT(""))
	{
		FMenuEntryModel Model;
		Model.Label = FText::FromString(Label);
		Model.InputText = FText::FromString(Chord);
		return Model;
	}

	FMenuSectionModel Section(TArray<FMenuEntryModel> Entries, const TCHAR* Heading = nullptr)
	{
		FMenuSectionModel Model;
		Model.Entries = std::move(Entries);
		Model.bHasHeading = Heading != nullptr;
		Model.Heading = FText::FromString(Heading != nullptr ? Heading : TEXT(""));
		return Model;
	}

	FMenuBarModel Bar(const TArray<const TCHAR*>& Labels)
	{
		FMenuBarModel Model;
		for (const TCHAR* Label : Labels)
		{
			FPullDownMenuModel PullDown;
			PullDown.Label = FText::FromString(Label);
			Model.PullDowns.Add(PullDown);
		}
		return Model;
	}
}

TEST(MainMenuLayout, TitlesSitSideBySideWithASpaceEachSide)
{
	const TArray<FCellRect> Titles = MainMenuLayout::LayoutTitles(Bar({TEXT("File"), TEXT("Edit"), TEXT("Orvek Hmd")}), 0, 0);
	ASSERT_EQ(Titles.Num(), 3);
	EXPECT_EQ(Titles[0], FCellRect(0, 0, 6, 1));
	EXPECT_EQ(Titles[1], FCellRect(6, 0, 6, 1));
	EXPECT_EQ(Titles[2], FCellRect(12, 0, 11, 1));

	const struct { int32 Column; int32 Row; int32 Title; } Hits[] = {{0, 0, 0}, {5, 0, 0}, {6, 0, 1}, {22, 0, 2}, {23, 0, -1}, {3, 1, -1}};
	for (const auto& Hit : Hits)
	{
		EXPECT_EQ(MainMenuLayout::FindTitleAt(Titles, Hit.Column, Hit.Row), Hit.Title) << Hit.Column << "," << Hit.Row;
	}
}

TEST(MainMenuLayout, PullDownHangsBelowItsTitleWithRulesAndHeadingsBetweenSections)
{
	FMenuModel Content;
	Content.Sections.Add(Section({Entry(TEXT("New"), TEXT("Ctrl+N")), Entry(TEXT("Open"))}));
	Content.Sections.Add(Section({}));
	Content.Sections.Add(Section({Entry(TEXT("Exit"))}, TEXT("Leave")));

	const FPullDownLayout Layout = MainMenuLayout::LayoutPullDown(Content, FCellRect(6, 0, 6, 1), FCellRect(0, 0, 80, 24));
	ASSERT_EQ(Layout.Rows.Num(), 5);
	EXPECT_EQ(Layout.Rows[0].Kind, FPullDownRow::EKind::Entry);
	EXPECT_EQ(Layout.Rows[1].Kind, FPullDownRow::EKind::Entry);
	EXPECT_EQ(Layout.Rows[2].Kind, FPullDownRow::EKind::Separator) << "the empty section leaves no trace";
	EXPECT_EQ(Layout.Rows[3].Kind, FPullDownRow::EKind::Heading);
	EXPECT_EQ(Layout.Rows[4].Kind, FPullDownRow::EKind::Entry);
	EXPECT_EQ(Layout.Rows[4].Section, 2);
	// "  New   Ctrl+N " is the widest row: 15 cells, plus the frame.
	EXPECT_EQ(Layout.Frame, FCellRect(6, 1, 17, 7));

	EXPECT_EQ(MainMenuLayout::GetRowText(Content, Layout.Rows[0], 15, true), U"> New   Ctrl+N ");
	EXPECT_EQ(MainMenuLayout::GetRowText(Content, Layout.Rows[1], 15, false), U"  Open         ");
	EXPECT_EQ(MainMenuLayout::GetRowText(Content, Layout.Rows[2], 15, false), std::u32string(15, U'─'));
	EXPECT_EQ(MainMenuLayout::GetRowText(Content, Layout.Rows[3], 15, false), U" Leave         ");

	const struct { int32 Column; int32 Row; int32 Index; } Hits[] = {{7, 2, 0}, {21, 3, 1}, {7, 6, 4}, {6, 2, -1}, {22, 2, -1}, {7, 1, -1}, {7, 7, -1}};
	for (const auto& Hit : Hits)
	{
		EXPECT_EQ(MainMenuLayout::FindRowAt(Layout, Hit.Column, Hit.Row), Hit.Index) << Hit.Column << "," << Hit.Row;
	}
}

TEST(MainMenuLayout, PullDownStaysOnScreen)
{
	FMenuModel Content;
	Content.Sections.Add(Section({Entry(TEXT("Orvek Hmd Settings")), Entry(TEXT("Two")), Entry(TEXT("Three"))}));
	const FCellRect Screen(0, 0, 30, 4);

	// Near the right edge it moves left; at the bottom it is cut short.
	const FPullDownLayout Layout = MainMenuLayout::LayoutPullDown(Content, FCellRect(25, 0, 5, 1), Screen);
	EXPECT_EQ(Layout.Frame, FCellRect(7, 1, 23, 3));

	// A menu without entries shows one row saying so, at least as wide as its title.
	const FPullDownLayout Empty = MainMenuLayout::LayoutPullDown(FMenuModel(), FCellRect(0, 0, 20, 1), FCellRect(0, 0, 80, 24));
	ASSERT_EQ(Empty.Rows.Num(), 1);
	EXPECT_EQ(Empty.Rows[0].Kind, FPullDownRow::EKind::Empty);
	EXPECT_EQ(Empty.Frame, FCellRect(0, 1, 20, 3));
	EXPECT_EQ(MainMenuLayout::GetRowText(FMenuModel(), Empty.Rows[0], 18, false), U" (no entries)     ");
}
