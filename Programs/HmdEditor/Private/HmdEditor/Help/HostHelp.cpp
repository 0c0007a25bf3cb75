#include "HmdEditor/Help/HostHelp.h"

#include "Containers/StringConv.h"

#include <algorithm>

namespace
{
	/** Keys longer than this (the table's keys are ASCII) put what they do on a line of its own. */
	constexpr SIZE_T MaxKeysColumn = 30;

	/** Cells before the value of an About line ("Settings file: "), where its wrapped rows start. */
	constexpr int32 AboutValueColumn = 15;

	FScrollingTextLine MakeLine(const std::string& Utf8, ESlateCellStyle Style = ESlateCellStyle::Normal, int32 WrapIndent = 0)
	{
		return FScrollingTextLine{StringConv::FromUtf8(Utf8), Style, WrapIndent};
	}
}

const char* GetHmdEditorVersion()
{
	return HMD_EDITOR_VERSION;
}

std::string GetHmdEditorVersionLine()
{
	return std::string("hmd-editor ") + GetHmdEditorVersion();
}

TArray<EHostKeyContext> GetShownKeyContexts(EHostKeyContext Context)
{
	// The settings window's keys include those of the widgets inside it.
	if (Context == EHostKeyContext::SettingsWindow || Context == EHostKeyContext::NameBox || Context == EHostKeyContext::CheckBox)
	{
		return {EHostKeyContext::SettingsWindow, EHostKeyContext::NameBox, EHostKeyContext::CheckBox, EHostKeyContext::Anywhere};
	}
	return {Context, EHostKeyContext::Anywhere};
}

TArray<FScrollingTextLine> MakeKeyboardShortcutLines(EHostKeyContext Context)
{
	const TArray<FHostKeyRow> Rows = HostKeyTable::GetRows();
	const TArray<EHostKeyContext> Shown = GetShownKeyContexts(Context);

	SIZE_T KeysColumn = 0;
	for (const FHostKeyRow& Row : Rows)
	{
		const SIZE_T Length = HostKeyTable::StripMarkdown(Row.Keys).size();
		if (Shown.Contains(Row.Context) && Length <= MaxKeysColumn)
		{
			KeysColumn = std::max(KeysColumn, Length);
		}
	}

	TArray<FScrollingTextLine> Lines;
	for (const EHostKeyContext Place : Shown)
	{
		if (!Lines.IsEmpty())
		{
			Lines.Add(MakeLine(""));
		}
		const int32 DoesColumn = static_cast<int32>(KeysColumn) + 4;
		std::string Heading(HostKeyTable::GetContextName(Place));
		Heading[0] = static_cast<char>(Heading[0] - 'a' + 'A');
		Lines.Add(MakeLine(Heading, ESlateCellStyle::Frame));
		for (const FHostKeyRow& Row : Rows)
		{
			if (Row.Context != Place)
			{
				continue;
			}
			const std::string Keys = HostKeyTable::StripMarkdown(Row.Keys);
			const std::string Does = HostKeyTable::StripMarkdown(Row.Does);
			const SIZE_T Length = Keys.size();
			if (Length > KeysColumn)
			{
				Lines.Add(MakeLine("  " + Keys));
				Lines.Add(MakeLine("  " + std::string(KeysColumn + 2, ' ') + Does, ESlateCellStyle::Normal, DoesColumn));
			}
			else
			{
				Lines.Add(MakeLine("  " + Keys + std::string(KeysColumn - Length + 2, ' ') + Does, ESlateCellStyle::Normal, DoesColumn));
			}
		}
	}
	return Lines;
}

TArray<FScrollingTextLine> MakeAboutLines(const std::string& SettingsFile, const std::string& LogFile)
{
	return {
		MakeLine(GetHmdEditorVersionLine()),
		MakeLine("The editor host of the OrvekHmdSettings module."),
		MakeLine(""),
		MakeLine("Settings file: " + SettingsFile, ESlateCellStyle::Normal, AboutValueColumn),
		MakeLine("Log file:      " + LogFile, ESlateCellStyle::Normal, AboutValueColumn),
	};
}
