#include "HmdEditor/Input/KeyNames.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	FHostKeyPress Modified(FHostKeyPress Press, bool bShift, bool bControl, bool bAlt)
	{
		Press.bShift = bShift;
		Press.bControl = bControl;
		Press.bAlt = bAlt;
		return Press;
	}
}

TEST(KeyNames, ReadsEveryDocumentedName)
{
	struct FCase { const char* Name; FHostKeyPress Expected; };
	const FCase Cases[] = {
		{"Enter", FHostKeyPress::Named(EHostKey::Enter)},
		{"Tab", FHostKeyPress::Named(EHostKey::Tab)},
		{"Shift+Tab", Modified(FHostKeyPress::Named(EHostKey::Tab), true, false, false)},
		{"Escape", FHostKeyPress::Named(EHostKey::Escape)},
		{"Space", FHostKeyPress::Char(U' ')},
		{"Backspace", FHostKeyPress::Named(EHostKey::Backspace)},
		{"Delete", FHostKeyPress::Named(EHostKey::Delete)},
		{"Left", FHostKeyPress::Named(EHostKey::Left)},
		{"Right", FHostKeyPress::Named(EHostKey::Right)},
		{"Up", FHostKeyPress::Named(EHostKey::Up)},
		{"Down", FHostKeyPress::Named(EHostKey::Down)},
		{"Home", FHostKeyPress::Named(EHostKey::Home)},
		{"End", FHostKeyPress::Named(EHostKey::End)},
		{"F1", FHostKeyPress::Named(EHostKey::F1)},
		{"F9", FHostKeyPress::Named(EHostKey::F9)},
		{"F10", FHostKeyPress::Named(EHostKey::F10)},
		{"F12", FHostKeyPress::Named(EHostKey::F12)},
		{"Ctrl+Q", Modified(FHostKeyPress::Char(U'q'), false, true, false)},
		{"Ctrl+q", Modified(FHostKeyPress::Char(U'q'), false, true, false)},
		{"Alt+F", Modified(FHostKeyPress::Char(U'f'), false, false, true)},
		{"alt+o", Modified(FHostKeyPress::Char(U'o'), false, false, true)},
		{"enter", FHostKeyPress::Named(EHostKey::Enter)},
		{"f10", FHostKeyPress::Named(EHostKey::F10)},
		{"a", FHostKeyPress::Char(U'a')},
		{"A", FHostKeyPress::Char(U'A')},
		{"#", FHostKeyPress::Char(U'#')},
		{"+", FHostKeyPress::Char(U'+')},
		{"\xC3\xA9", FHostKeyPress::Char(U'\u00E9')},
		{"\xF0\x9F\x98\x80", FHostKeyPress::Char(U'\U0001F600')},
	};
	for (const FCase& Case : Cases)
	{
		FHostKeyPress Press;
		EXPECT_TRUE(ParseKeyName(Case.Name, Press)) << Case.Name;
		EXPECT_EQ(Press, Case.Expected) << Case.Name;
	}
}

TEST(KeyNames, RejectsUnknownNamesAndLeavesTheOutputAlone)
{
	const std::string Cases[] = {
		"", "Enterr", "F0", "F13", "F1x", "Ctrl+", "Ctrl+1", "Ctrl+QQ", "Alt+", "Alt+ä", "Shift+A", "Ctrl-Q", "ab",
		std::string("\x01"), std::string("\x7F"), "\xC2\x85", "\xC3", "\xFF", "\xED\xA0\x80",
	};
	for (const std::string& Name : Cases)
	{
		FHostKeyPress Press = FHostKeyPress::Named(EHostKey::Home);
		EXPECT_FALSE(ParseKeyName(Name, Press)) << Name;
		EXPECT_EQ(Press, FHostKeyPress::Named(EHostKey::Home)) << Name;
	}
}
