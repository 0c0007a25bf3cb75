// Every key of the editor host, in one table: the Keyboard Shortcuts window
// shows the rows of the place the user is in, and the README's key table is
// these rows as they are (a test holds the two together). The texts are the
// README's Markdown: key names between backticks, which the window leaves out.
#pragma once

#include "Containers/Array.h"
#include "CoreTypes.h"

#include <string>
#include <string_view>

/** Where a key works. */
enum class EHostKeyContext : uint8
{
	/** Wherever the user is, windows included. */
	Anywhere,
	MainWindow,
	OpenMenu,
	SettingsWindow,
	NameBox,
	CheckBox,
	/** The Output Log, Keyboard Shortcuts and About windows. */
	TextWindow,
};

struct FHostKeyRow
{
	EHostKeyContext Context;
	std::string_view Keys;
	std::string_view Does;
};

namespace HostKeyTable
{
	/** Every row, in the README's order. */
	TArray<FHostKeyRow> GetRows();

	/** The place as the table's first column names it: "main window", "name box". */
	std::string_view GetContextName(EHostKeyContext Context);

	/** A row as a line of the README's Markdown table: "| main window | `Ctrl+Q` | quits |". */
	std::string FormatMarkdownRow(const FHostKeyRow& Row);

	/** Markdown text as the screen shows it: the backticks around key names left out. */
	std::string StripMarkdown(std::string_view Text);
}
