#include "HmdEditor/Widgets/SMainMenuBar.h"

#include "HmdEditor/Menus/MainMenuLayout.h"
#include "Text/CodePointString.h"

void SMainMenuBar::Construct(const FArguments& InArgs)
{
	OnBuildMenuBar = InArgs._OnBuildMenuBar;
	OnQuitRequested = InArgs._OnQuitRequested;
	RebuildMenuBar();

	// The content starts on the row below the titles.
	ChildSlot.Padding(FMargin(0.0f, FCellMetrics::UnitsPerRow, 0.0f, 0.0f))[InArgs._Content.Widget];
}

void SMainMenuBar::RebuildMenuBar()
{
	if (OnBuildMenuBar.IsBound())
	{
		MenuState.SetMenuBar(OnBuildMenuBar.Execute());
	}
}

void SMainMenuBar::OpenMenu(int32 Index)
{
	RebuildMenuBar();
	MenuState.Open(Index);
}

FReply SMainMenuBar::OnKeyDown(const FGeometry& /*MyGeometry*/, const FKeyEvent& InKeyEvent)
{
	const FKey& Key = InKeyEvent.GetKey();
	const FModifierKeysState& Modifiers = InKeyEvent.GetModifierKeys();

	if (Key == EKeys::F10 || Key == EKeys::F9)
	{
		if (MenuState.IsOpen())
		{
			MenuState.Close();
		}
		else
		{
			OpenMenu(0);
		}
		return FReply::Handled();
	}

	// Letter keys come by name ("Q") together with their modifiers.
	const FString KeyName = Key.ToString();
	if (KeyName.Len() == 1 && (Modifiers.bCtrl || Modifiers.bAlt))
	{
		const char32_t Letter = KeyName[0];
		if (Modifiers.bCtrl && !Modifiers.bAlt && (Letter == U'Q' || Letter == U'q'))
		{
			MenuState.Close();
			OnQuitRequested.ExecuteIfBound();
			return FReply::Handled();
		}
		if (Modifiers.bAlt && !Modifiers.bCtrl)
		{
			RebuildMenuBar();
			return MenuState.OpenByFirstLetter(Letter) ? FReply::Handled() : FReply::Unhandled();
		}
		return FReply::Unhandled();
	}

	if (!MenuState.IsOpen())
	{
		return FReply::Unhandled();
	}
	if (Key == EKeys::Left || Key == EKeys::Right)
	{
		MenuState.MoveToMenu(Key == EKeys::Left ? -1 : 1);
	}
	else if (Key == EKeys::Up || Key == EKeys::Down)
	{
		MenuState.MoveToEntry(Key == EKeys::Up ? -1 : 1);
	}
	else if (Key == EKeys::Enter)
	{
		// The entry may open a modal window and run its loop before this returns.
		MenuState.ChooseHighlighted();
	}
	else if (Key == EKeys::Escape)
	{
		MenuState.Close();
	}
	// While a menu is open it takes every key, so nothing behind it acts by accident.
	return FReply::Handled();
}

FReply SMainMenuBar::OnKeyChar(const FGeometry& /*MyGeometry*/, const FCharacterEvent& InCharacterEvent)
{
	if (!MenuState.IsOpen())
	{
		return FReply::Unhandled();
	}
	// The entry may open a modal window and run its loop before this returns.
	MenuState.ChooseByFirstLetter(InCharacterEvent.GetCharacter());
	return FReply::Handled();
}

FReply SMainMenuBar::OnMouseMove(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	if (!MenuState.IsOpen())
	{
		return FReply::Unhandled();
	}
	const int32 Title = MainMenuLayout::FindTitleAt(LayoutTitles(MyGeometry), MouseEvent.GetColumn(), MouseEvent.GetRow());
	if (Title != INDEX_NONE && Title != MenuState.GetOpenIndex())
	{
		OpenMenu(Title);
	}
	return FReply::Handled();
}

FReply SMainMenuBar::OnMouseButtonDown(const FGeometry& MyGeometry, const FPointerEvent& MouseEvent)
{
	const int32 Column = MouseEvent.GetColumn();
	const int32 Row = MouseEvent.GetRow();
	const TArray<FCellRect> Titles = LayoutTitles(MyGeometry);

	const int32 Title = MainMenuLayout::FindTitleAt(Titles, Column, Row);
	if (Title != INDEX_NONE)
	{
		if (MenuState.GetOpenIndex() == Title)
		{
			MenuState.Close();
		}
		else
		{
			OpenMenu(Title);
		}
		return FReply::Handled();
	}
	if (!MenuState.IsOpen())
	{
		return FReply::Unhandled();
	}

	const FPullDownLayout PullDown = MainMenuLayout::LayoutPullDown(MenuState.GetOpenContent(), Titles[MenuState.GetOpenIndex()], MyGeometry.GetCellRect());
	if (!PullDown.Frame.Contains(Column, Row))
	{
		// A click outside an open menu only closes it.
		MenuState.Close();
		return FReply::Handled();
	}
	const int32 RowIndex = MainMenuLayout::FindRowAt(PullDown, Column, Row);
	if (RowIndex != INDEX_NONE && PullDown.Rows[RowIndex].Kind == FPullDownRow::EKind::Entry)
	{
		const FPullDownRow& Entry = PullDown.Rows[RowIndex];
		MenuState.HighlightEntry(Entry.Section, Entry.Entry);
		if (MenuState.GetHighlightedSection() == Entry.Section && MenuState.GetHighlightedEntryIndex() == Entry.Entry)
		{
			MenuState.ChooseHighlighted();
		}
	}
	return FReply::Handled();
}

TArray<FCellRect> SMainMenuBar::LayoutTitles(const FGeometry& MyGeometry) const
{
	const FCellRect Bounds = MyGeometry.GetCellRect();
	return MainMenuLayout::LayoutTitles(MenuState.GetMenuBar(), Bounds.Column, Bounds.Row);
}

void SMainMenuBar::OnPaint(const FGeometry& AllottedGeometry, FSlateSurface& Surface) const
{
	const FCellRect Bounds = AllottedGeometry.GetCellRect();
	const TArray<FCellRect> Titles = LayoutTitles(AllottedGeometry);
	const FCellRect MenuRow(Bounds.Column, Bounds.Row, Bounds.Columns, 1);
	Surface.Fill(MenuRow, U' ');
	Surface.SetStyle(MenuRow, ESlateCellStyle::Bar);
	for (int32 Index = 0; Index < Titles.Num(); ++Index)
	{
		const bool bOpen = MenuState.GetOpenIndex() == Index;
		const std::u32string Label = CodePointString::FromText(MenuState.GetMenuBar().PullDowns[Index].Label.ToString());
		Surface.DrawText(Titles[Index].Column, Titles[Index].Row, (bOpen ? U"[" : U" ") + Label + (bOpen ? U"]" : U" "));
		if (bOpen)
		{
			Surface.SetStyle(Titles[Index], ESlateCellStyle::Selected);
		}
	}

	PaintChildren(AllottedGeometry, Surface);

	if (!MenuState.IsOpen())
	{
		return;
	}
	const FMenuModel& Content = MenuState.GetOpenContent();
	const FPullDownLayout PullDown = MainMenuLayout::LayoutPullDown(Content, Titles[MenuState.GetOpenIndex()], Bounds);
	Surface.Fill(PullDown.Frame, U' ');
	Surface.SetStyle(PullDown.Frame, ESlateCellStyle::Menu);
	Surface.DrawBorder(PullDown.Frame);
	const int32 InnerWidth = PullDown.Frame.Columns - 2;
	for (int32 Index = 0; Index < PullDown.Rows.Num() && Index < PullDown.Frame.Rows - 2; ++Index)
	{
		const FPullDownRow& Row = PullDown.Rows[Index];
		const bool bHighlighted = Row.Kind == FPullDownRow::EKind::Entry && Row.Section == MenuState.GetHighlightedSection()
			&& Row.Entry == MenuState.GetHighlightedEntryIndex();
		const int32 ScreenRow = PullDown.Frame.Row + 1 + Index;
		if (Row.Kind == FPullDownRow::EKind::Separator)
		{
			Surface.SetCell(PullDown.Frame.Column, ScreenRow, U'├');
			Surface.SetCell(PullDown.Frame.GetRight() - 1, ScreenRow, U'┤');
		}
		Surface.DrawText(PullDown.Frame.Column + 1, ScreenRow, MainMenuLayout::GetRowText(Content, Row, InnerWidth, bHighlighted));
		if (bHighlighted)
		{
			Surface.SetStyle(FCellRect(PullDown.Frame.Column + 1, ScreenRow, InnerWidth, 1), ESlateCellStyle::Selected);
		}
	}
}
