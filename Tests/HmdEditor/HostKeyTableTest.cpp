// The key table in the code is the README's: both list the same rows.
#include "HmdEditor/Help/HostHelp.h"
#include "HmdEditor/Help/HostKeyTable.h"

#include "Containers/StringConv.h"

#include "FileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace
{
	/** The rows of the README's key table, the one headed "| Where | Key | Does |". */
	std::vector<std::string> ReadmeKeyRows()
	{
		std::istringstream Readme(ReadFileBytes(std::filesystem::path(HMD_SOURCE_DIR) / "README.md"));
		std::vector<std::string> Rows;
		bool bInTable = false;
		for (std::string Line; std::getline(Readme, Line);)
		{
			if (!Line.empty() && Line.back() == '\r')
			{
				Line.pop_back();
			}
			if (Line == "| Where | Key | Does |")
			{
				bInTable = true;
				std::getline(Readme, Line); // the rule under the heading
				continue;
			}
			if (bInTable && !Line.starts_with("|"))
			{
				break;
			}
			if (bInTable)
			{
				Rows.push_back(Line);
			}
		}
		return Rows;
	}
}

TEST(HostKeyTable, TheReadmeListsExactlyTheCodesRowsInItsOrder)
{
	std::vector<std::string> CodeRows;
	for (const FHostKeyRow& Row : HostKeyTable::GetRows())
	{
		CodeRows.push_back(HostKeyTable::FormatMarkdownRow(Row));
	}
	EXPECT_EQ(ReadmeKeyRows(), CodeRows);
}

TEST(HostKeyTable, TheWindowListsEveryKeyOfThePlaceAndOfAnywhereButNoOthers)
{
	const struct
	{
		EHostKeyContext Context;
		TArray<EHostKeyContext> Shown;
	} Cases[] = {
		{EHostKeyContext::MainWindow, {EHostKeyContext::MainWindow, EHostKeyContext::Anywhere}},
		{EHostKeyContext::OpenMenu, {EHostKeyContext::OpenMenu, EHostKeyContext::Anywhere}},
		{EHostKeyContext::NameBox, {EHostKeyContext::SettingsWindow, EHostKeyContext::NameBox, EHostKeyContext::CheckBox, EHostKeyContext::Anywhere}},
		{EHostKeyContext::TextWindow, {EHostKeyContext::TextWindow, EHostKeyContext::Anywhere}},
	};
	for (const auto& Case : Cases)
	{
		std::string Shown;
		for (const FScrollingTextLine& Line : MakeKeyboardShortcutLines(Case.Context))
		{
			Shown += StringConv::ToUtf8(Line.Text) + "\n";
		}
		for (const FHostKeyRow& Row : HostKeyTable::GetRows())
		{
			const bool bListed = Shown.find(HostKeyTable::StripMarkdown(Row.Does)) != std::string::npos;
			EXPECT_EQ(bListed, Case.Shown.Contains(Row.Context))
				<< HostKeyTable::GetContextName(Case.Context) << ": " << HostKeyTable::FormatMarkdownRow(Row) << "\n" << Shown;
		}
	}
}
