#include "HmdEditor/Help/HostKeyTable.h"

namespace
{
	const FHostKeyRow Rows[] = {
		{EHostKeyContext::Anywhere, "`F1`", "lists the keys of the place you are in"},
		{EHostKeyContext::Anywhere, "`Ctrl+C`", "quits as `Ctrl+Q` does; an open settings window is closed and saved first"},
		{EHostKeyContext::Anywhere, "`Ctrl+Z`", "suspends the editor (in the terminal); `fg` brings it back"},
		{EHostKeyContext::MainWindow, "`F10` or `F9`", "opens the first menu (some terminals keep `F10` for themselves)"},
		{EHostKeyContext::MainWindow, "`Alt`+first letter", "opens that menu"},
		{EHostKeyContext::MainWindow, "`Ctrl+Q`", "quits (File > Exit does too)"},
		{EHostKeyContext::OpenMenu, "`Left` / `Right`", "the neighbouring menu, wrapping"},
		{EHostKeyContext::OpenMenu, "`Up` / `Down`", "the previous / next entry"},
		{EHostKeyContext::OpenMenu, "first letter", "chooses the entry whose label starts with it"},
		{EHostKeyContext::OpenMenu, "`Enter` / `Escape`", "chooses the entry / closes the menu"},
		{EHostKeyContext::OpenMenu, "`F10` or `F9`", "closes the menu"},
		{EHostKeyContext::SettingsWindow, "`Tab` / `Shift+Tab`", "moves the focus: name box, check box, close button"},
		{EHostKeyContext::SettingsWindow, "`Escape`, or `Enter` on `[X]`", "closes the window, which saves"},
		{EHostKeyContext::NameBox, "characters, `Left`, `Right`, `Home`, `End`, `Backspace`, `Delete`", "edit the name"},
		{EHostKeyContext::NameBox, "`Ctrl+A` / `Ctrl+E`", "the start / the end of the name"},
		{EHostKeyContext::NameBox, "`Ctrl+Left` / `Ctrl+Right`", "the previous / next word"},
		{EHostKeyContext::NameBox, "`Ctrl+U` / `Ctrl+K`", "deletes to the start / to the end"},
		{EHostKeyContext::NameBox, "`Ctrl+W`", "deletes the word before the cursor"},
		{EHostKeyContext::NameBox, "pasted text", "typed in, line breaks and tabs as spaces"},
		{EHostKeyContext::NameBox, "`Enter`, or leaving the box", "commits the name"},
		{EHostKeyContext::CheckBox, "`Space`", "toggles it"},
		{EHostKeyContext::TextWindow, "`Up` / `Down`", "scrolls a line"},
		{EHostKeyContext::TextWindow, "`PageUp` / `PageDown`", "scrolls a screen"},
		{EHostKeyContext::TextWindow, "`Home` / `End`", "the first / the last lines"},
		{EHostKeyContext::TextWindow, "`Escape`", "closes the text window"},
	};
}

TArray<FHostKeyRow> HostKeyTable::GetRows()
{
	TArray<FHostKeyRow> All;
	for (const FHostKeyRow& Row : Rows)
	{
		All.Add(Row);
	}
	return All;
}

std::string_view HostKeyTable::GetContextName(EHostKeyContext Context)
{
	switch (Context)
	{
	case EHostKeyContext::Anywhere: return "anywhere";
	case EHostKeyContext::MainWindow: return "main window";
	case EHostKeyContext::OpenMenu: return "open menu";
	case EHostKeyContext::SettingsWindow: return "settings window";
	case EHostKeyContext::NameBox: return "name box";
	case EHostKeyContext::CheckBox: return "check box";
	case EHostKeyContext::TextWindow: return "text window";
	}
	return "";
}

std::string HostKeyTable::FormatMarkdownRow(const FHostKeyRow& Row)
{
	return "| " + std::string(GetContextName(Row.Context)) + " | " + std::string(Row.Keys) + " | " + std::string(Row.Does) + " |";
}

std::string HostKeyTable::StripMarkdown(std::string_view Text)
{
	std::string Plain;
	for (const char Character : Text)
	{
		if (Character != '`')
		{
			Plain += Character;
		}
	}
	return Plain;
}
