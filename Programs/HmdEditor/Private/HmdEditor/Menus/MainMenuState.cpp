#include "HmdEditor/Menus/MainMenuState.h"

#include <utility>

namespace
{
	char32_t ToLowerAscii(char32_t Character)
	{
		return (Character >= U'A' && Character <= U'Z') ? Character - U'A' + U'a' : Character;
	}

	bool StartsWithLetter(const FText& Label, char32_t Letter)
	{
		const FString& Text = Label.ToString();
		return !Text.IsEmpty() && ToLowerAscii(Text[0]) == ToLowerAscii(Letter);
	}
}

void FMainMenuState::SetMenuBar(FMenuBarModel InMenuBar)
{
	Close();
	MenuBar = std::move(InMenuBar);
}

void FMainMenuState::Open(int32 Index)
{
	if (!MenuBar.PullDowns.IsValidIndex(Index))
	{
		Close();
		return;
	}
	OpenIndex = Index;
	OpenContent = MenuBar.PullDowns[Index].MakeContent();
	HighlightedSection = INDEX_NONE;
	HighlightedEntry = INDEX_NONE;
	MoveToEntry(1);
}

void FMainMenuState::Close()
{
	OpenIndex = INDEX_NONE;
	OpenContent = FMenuModel();
	HighlightedSection = INDEX_NONE;
	HighlightedEntry = INDEX_NONE;
}

void FMainMenuState::MoveToMenu(int32 Direction)
{
	const int32 Count = MenuBar.PullDowns.Num();
	if (Count == 0)
	{
		return;
	}
	const int32 From = IsOpen() ? OpenIndex : 0;
	Open(((From + Direction) % Count + Count) % Count);
}

bool FMainMenuState::OpenByFirstLetter(char32_t Letter)
{
	for (int32 Index = 0; Index < MenuBar.PullDowns.Num(); ++Index)
	{
		if (StartsWithLetter(MenuBar.PullDowns[Index].Label, Letter))
		{
			Open(Index);
			return true;
		}
	}
	return false;
}

TArray<std::pair<int32, int32>> FMainMenuState::GetEnabledEntries() const
{
	TArray<std::pair<int32, int32>> Enabled;
	for (int32 Section = 0; Section < OpenContent.Sections.Num(); ++Section)
	{
		const TArray<FMenuEntryModel>& Entries = OpenContent.Sections[Section].Entries;
		for (int32 Entry = 0; Entry < Entries.Num(); ++Entry)
		{
			if (Entries[Entry].IsEnabled())
			{
				Enabled.Add({Section, Entry});
			}
		}
	}
	return Enabled;
}

void FMainMenuState::MoveToEntry(int32 Direction)
{
	const TArray<std::pair<int32, int32>> Enabled = GetEnabledEntries();
	if (Enabled.IsEmpty())
	{
		HighlightedSection = INDEX_NONE;
		HighlightedEntry = INDEX_NONE;
		return;
	}
	const int32 Current = Enabled.Find({HighlightedSection, HighlightedEntry});
	// With nothing highlighted, moving down starts at the first entry and moving up at the last.
	const int32 Next = Current == INDEX_NONE ? (Direction > 0 ? 0 : Enabled.Num() - 1)
											 : ((Current + Direction) % Enabled.Num() + Enabled.Num()) % Enabled.Num();
	HighlightedSection = Enabled[Next].first;
	HighlightedEntry = Enabled[Next].second;
}

void FMainMenuState::HighlightEntry(int32 Section, int32 Entry)
{
	if (GetEnabledEntries().Contains({Section, Entry}))
	{
		HighlightedSection = Section;
		HighlightedEntry = Entry;
	}
}

const FMenuEntryModel* FMainMenuState::GetHighlightedEntry() const
{
	if (!OpenContent.Sections.IsValidIndex(HighlightedSection))
	{
		return nullptr;
	}
	const TArray<FMenuEntryModel>& Entries = OpenContent.Sections[HighlightedSection].Entries;
	return Entries.IsValidIndex(HighlightedEntry) ? &Entries[HighlightedEntry] : nullptr;
}

bool FMainMenuState::ChooseHighlighted()
{
	const FMenuEntryModel* Highlighted = GetHighlightedEntry();
	if (Highlighted == nullptr)
	{
		return false;
	}
	// The entry must outlive Close, which empties the content it lives in.
	const FMenuEntryModel Entry = *Highlighted;
	Close();
	return Entry.Execute();
}

bool FMainMenuState::ChooseByFirstLetter(char32_t Letter)
{
	for (const std::pair<int32, int32>& Enabled : GetEnabledEntries())
	{
		if (StartsWithLetter(OpenContent.Sections[Enabled.first].Entries[Enabled.second].Label, Letter))
		{
			HighlightEntry(Enabled.first, Enabled.second);
			return ChooseHighlighted();
		}
	}
	return false;
}

FText FMainMenuState::GetHighlightedToolTip() const
{
	if (const FMenuEntryModel* Entry = GetHighlightedEntry())
	{
		return Entry->ToolTip;
	}
	return IsOpen() ? MenuBar.PullDowns[OpenIndex].ToolTip : FText();
}
