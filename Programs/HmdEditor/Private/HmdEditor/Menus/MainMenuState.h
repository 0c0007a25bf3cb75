// The state of the main menu bar as the user browses it: which pull-down is
// open and which of its entries is highlighted. It knows nothing of painting
// or of keys, so the widgets and the tests drive it alike.
#pragma once

#include "Containers/Array.h"
#include "Framework/MultiBox/MenuModel.h"
#include "Internationalization/Text.h"

class FMainMenuState
{
public:
	/** Takes a freshly built menu bar; closes any open pull-down. */
	void SetMenuBar(FMenuBarModel InMenuBar);
	const FMenuBarModel& GetMenuBar() const { return MenuBar; }

	bool IsOpen() const { return OpenIndex != INDEX_NONE; }
	/** The open pull-down's index, or INDEX_NONE. */
	int32 GetOpenIndex() const { return OpenIndex; }
	/** The open pull-down's content, built when it opened. */
	const FMenuModel& GetOpenContent() const { return OpenContent; }

	/** Opens a pull-down, building its content afresh, with its first enabled entry highlighted. */
	void Open(int32 Index);
	void Close();
	/** Opens the neighbouring pull-down, wrapping at either end. */
	void MoveToMenu(int32 Direction);
	/** Opens the first pull-down whose label starts with Letter (any case); false when none does. */
	bool OpenByFirstLetter(char32_t Letter);

	/** Highlights the next enabled entry up or down, wrapping; nothing when none is enabled. */
	void MoveToEntry(int32 Direction);
	/** Highlights an entry by its section and index; a disabled one is not highlighted. */
	void HighlightEntry(int32 Section, int32 Entry);
	/** The highlighted entry, or null. */
	const FMenuEntryModel* GetHighlightedEntry() const;
	int32 GetHighlightedSection() const { return HighlightedSection; }
	int32 GetHighlightedEntryIndex() const { return HighlightedEntry; }

	/**
	 * Closes the pull-down, then runs the highlighted entry. Closing comes
	 * first because an entry may open a modal window, whose loop runs inside
	 * Execute. Returns whether an entry ran.
	 */
	bool ChooseHighlighted();
	/**
	 * Highlights and chooses the first enabled entry of the open pull-down
	 * whose label starts with Letter (any case), as ChooseHighlighted does;
	 * false, with nothing changed, when none does.
	 */
	bool ChooseByFirstLetter(char32_t Letter);

	/** The tool tip of the highlighted entry, else of the open pull-down; empty when closed. */
	FText GetHighlightedToolTip() const;

private:
	/** The enabled entries of the open pull-down, in order, as (section, entry). */
	TArray<std::pair<int32, int32>> GetEnabledEntries() const;

	FMenuBarModel MenuBar;
	FMenuModel OpenContent;
	int32 OpenIndex = INDEX_NONE;
	int32 HighlightedSection = INDEX_NONE;
	int32 HighlightedEntry = INDEX_NONE;
};
