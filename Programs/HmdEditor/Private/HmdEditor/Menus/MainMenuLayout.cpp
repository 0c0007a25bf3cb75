#include "HmdEditor/Menus/MainMenuLayout.h"

#include "Text/CodePointString.h"

#include <algorithm>

namespace
{
	/** Cells between an entry's label and its key chord. */
	constexpr int32 ChordGap = 3;
	const std::u32string EmptyMenuText = U" (no entries)";

	int32 TextWidth(const FText& Text)
	{
		return static_cast<int32>(CodePointString::FromText(Text.ToString()).size());
	}

	/** The widest row's text, without the frame. */
	int32 ComputeInnerWidth(const FMenuModel& Content, const TArray<FPullDownRow>& Rows)
	{
		int32 Width = 0;
		for (const FPullDownRow& Row : Rows)
		{
			if (Row.Kind == FPullDownRow::EKind::Entry)
			{
				const FMenuEntryModel& Entry = Content.Sections[Row.Section].Entries[Row.Entry];
				const int32 Chord = Entry.InputText.IsEmpty() ? 0 : ChordGap + TextWidth(Entry.InputText);
				Width = std::max(Width, 2 + TextWidth(Entry.Label) + Chord + 1);
			}
			else if (Row.Kind == FPullDownRow::EKind::Heading)
			{
				Width = std::max(Width, 1 + TextWidth(Content.Sections[Row.Section].Heading) + 1);
			}
			else if (Row.Kind == FPullDownRow::EKind::Empty)
			{
				Width = std::max(Width, static_cast<int32>(EmptyMenuText.size()) + 1);
			}
		}
		return Width;
	}

	std::u32string PadTo(std::u32string Text, int32 Width, char32_t Fill)
	{
		Text.resize(static_cast<SIZE_T>(std::max(Width, 0)), Fill);
		return Text;
	}
}

TArray<FCellRect> MainMenuLayout::LayoutTitles(const FMenuBarModel& MenuBar, int32 Column, int32 Row)
{
	TArray<FCellRect> Titles;
	for (const FPullDownMenuModel& PullDown : MenuBar.PullDowns)
	{
		const int32 Width = TextWidth(PullDown.Label) + 2;
		Titles.Add(FCellRect(Column, Row, Width, 1));
		Column += Width;
	}
	return Titles;
}

int32 MainMenuLayout::FindTitleAt(const TArray<FCellRect>& Titles, int32 Column, int32 Row)
{
	for (int32 Index = 0; Index < Titles.Num(); ++Index)
	{
		if (Titles[Index].Contains(Column, Row))
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

std::u32string MainMenuLayout::GetRowText(const FMenuModel& Content, const FPullDownRow& Row, int32 InnerWidth, bool bHighlighted)
{
	switch (Row.Kind)
	{
	case FPullDownRow::EKind::Separator:
		return PadTo(U"", InnerWidth, U'─');
	case FPullDownRow::EKind::Heading:
		return PadTo(U" " + CodePointString::FromText(Content.Sections[Row.Section].Heading.ToString()), InnerWidth, U' ');
	case FPullDownRow::EKind::Empty:
		return PadTo(EmptyMenuText, InnerWidth, U' ');
	case FPullDownRow::EKind::Entry:
		break;
	}
	const FMenuEntryModel& Entry = Content.Sections[Row.Section].Entries[Row.Entry];
	std::u32string Text = (bHighlighted ? U"> " : U"  ") + CodePointString::FromText(Entry.Label.ToString());
	if (!Entry.InputText.IsEmpty())
	{
		const std::u32string Chord = CodePointString::FromText(Entry.InputText.ToString());
		Text = PadTo(Text, InnerWidth - 1 - static_cast<int32>(Chord.size()), U' ') + Chord;
	}
	return PadTo(Text, InnerWidth, U' ');
}

FPullDownLayout MainMenuLayout::LayoutPullDown(const FMenuModel& Content, const FCellRect& Title, const FCellRect& Bounds)
{
	FPullDownLayout Layout;
	for (int32 Section = 0; Section < Content.Sections.Num(); ++Section)
	{
		const FMenuSectionModel& SectionModel = Content.Sections[Section];
		if (SectionModel.Entries.IsEmpty())
		{
			continue;
		}
		if (!Layout.Rows.IsEmpty())
		{
			Layout.Rows.Add(FPullDownRow{FPullDownRow::EKind::Separator, Section, INDEX_NONE});
		}
		if (SectionModel.bHasHeading && !SectionModel.Heading.IsEmpty())
		{
			Layout.Rows.Add(FPullDownRow{FPullDownRow::EKind::Heading, Section, INDEX_NONE});
		}
		for (int32 Entry = 0; Entry < SectionModel.Entries.Num(); ++Entry)
		{
			Layout.Rows.Add(FPullDownRow{FPullDownRow::EKind::Entry, Section, Entry});
		}
	}
	if (Layout.Rows.IsEmpty())
	{
		Layout.Rows.Add(FPullDownRow{FPullDownRow::EKind::Empty, INDEX_NONE, INDEX_NONE});
	}

	// At least as wide as the title above it.
	const int32 Width = std::min(std::max(ComputeInnerWidth(Content, Layout.Rows), Title.Columns - 2) + 2, Bounds.Columns);
	const int32 Column = std::max(Bounds.Column, std::min(Title.Column, Bounds.GetRight() - Width));
	const int32 Top = Title.GetBottom();
	const int32 Height = std::min(Layout.Rows.Num() + 2, Bounds.GetBottom() - Top);
	Layout.Frame = FCellRect(Column, Top, Width, std::max(Height, 0));
	return Layout;
}

int32 MainMenuLayout::FindRowAt(const FPullDownLayout& Layout, int32 Column, int32 Row)
{
	const FCellRect Inside(Layout.Frame.Column + 1, Layout.Frame.Row + 1, Layout.Frame.Columns - 2, Layout.Frame.Rows - 2);
	if (!Inside.Contains(Column, Row))
	{
		return INDEX_NONE;
	}
	const int32 Index = Row - Inside.Row;
	return Layout.Rows.IsValidIndex(Index) ? Index : INDEX_NONE;
}
