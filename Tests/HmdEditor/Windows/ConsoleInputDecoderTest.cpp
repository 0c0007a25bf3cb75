#include "HmdEditor/Windows/ConsoleInputDecoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
	constexpr DWORD LeftControl = LEFT_CTRL_PRESSED;
	constexpr DWORD LeftAlt = LEFT_ALT_PRESSED;
	constexpr DWORD AltGr = RIGHT_ALT_PRESSED | LEFT_CTRL_PRESSED;

	KEY_EVENT_RECORD Key(WORD VirtualKey, char16_t Character, DWORD State = 0, bool bDown = true)
	{
		KEY_EVENT_RECORD Record = {};
		Record.bKeyDown = bDown ? TRUE : FALSE;
		Record.wRepeatCount = 1;
		Record.wVirtualKeyCode = VirtualKey;
		Record.uChar.UnicodeChar = static_cast<WCHAR>(Character);
		Record.dwControlKeyState = State;
		return Record;
	}

	FHostKeyPress With(FHostKeyPress Press, bool bShift, bool bControl, bool bAlt)
	{
		Press.bShift = bShift;
		Press.bControl = bControl;
		Press.bAlt = bAlt;
		return Press;
	}

	FHostKeyPress Named(EHostKey Key) { return FHostKeyPress::Named(Key); }
	FHostKeyPress Char(char32_t Character) { return FHostKeyPress::Char(Character); }
}

TEST(ConsoleInputDecoder, DecodesSingleKeyRecords)
{
	struct FCase { const char* Description; KEY_EVENT_RECORD Record; FHostKeyPress Expected; };
	const FCase Cases[] = {
		{"F1", Key(VK_F1, 0), Named(EHostKey::F1)},
		{"F10", Key(VK_F10, 0), Named(EHostKey::F10)},
		{"F12", Key(VK_F12, 0), Named(EHostKey::F12)},
		{"Enter, which types a carriage return", Key(VK_RETURN, u'\r'), Named(EHostKey::Enter)},
		{"Tab", Key(VK_TAB, u'\t'), Named(EHostKey::Tab)},
		{"Shift+Tab", Key(VK_TAB, u'\t', SHIFT_PRESSED), With(Named(EHostKey::Tab), true, false, false)},
		{"Escape", Key(VK_ESCAPE, 0x1B), Named(EHostKey::Escape)},
		{"Backspace", Key(VK_BACK, 0x08), Named(EHostKey::Backspace)},
		{"Ctrl+Backspace, which types Delete", Key(VK_BACK, 0x7F, LeftControl), With(Named(EHostKey::Backspace), false, true, false)},
		{"Delete", Key(VK_DELETE, 0), Named(EHostKey::Delete)},
		{"Left", Key(VK_LEFT, 0), Named(EHostKey::Left)},
		{"Ctrl+Right", Key(VK_RIGHT, 0, LeftControl | ENHANCED_KEY), With(Named(EHostKey::Right), false, true, false)},
		{"Up", Key(VK_UP, 0), Named(EHostKey::Up)},
		{"Down", Key(VK_DOWN, 0), Named(EHostKey::Down)},
		{"Home", Key(VK_HOME, 0), Named(EHostKey::Home)},
		{"End", Key(VK_END, 0), Named(EHostKey::End)},
		{"Page Up", Key(VK_PRIOR, 0), Named(EHostKey::PageUp)},
		{"Page Down", Key(VK_NEXT, 0), Named(EHostKey::PageDown)},
		{"a letter", Key('A', u'a'), Char(U'a')},
		{"a capital letter: Shift is in the character", Key('A', u'A', SHIFT_PRESSED), Char(U'A')},
		{"Space", Key(VK_SPACE, u' '), Char(U' ')},
		{"a letter with a diaeresis", Key(0xDE, u'\u00EB'), Char(U'\u00EB')},
		{"a CJK character from an input method", Key(VK_PACKET, u'\u6587'), Char(U'\u6587')},
		{"Ctrl+C, which types U+0003", Key('C', 0x03, LeftControl), With(Char(U'c'), false, true, false)},
		{"Ctrl+Q with the right Ctrl key", Key('Q', 0x11, RIGHT_CTRL_PRESSED), With(Char(U'q'), false, true, false)},
		{"Ctrl+Shift+A: the letter in lower case", Key('A', 0x01, LeftControl | SHIFT_PRESSED), With(Char(U'a'), false, true, false)},
		{"Ctrl+Space", Key(VK_SPACE, u' ', LeftControl), With(Char(U' '), false, true, false)},
		{"Ctrl+1, which types nothing", Key('1', 0, LeftControl), With(Char(U'1'), false, true, false)},
		{"Alt+F", Key('F', u'f', LeftAlt), With(Char(U'f'), false, false, true)},
		{"Alt+Shift+F: the letter in lower case", Key('F', u'F', LeftAlt | SHIFT_PRESSED), With(Char(U'f'), false, false, true)},
		{"Alt+F on a Cyrillic layout: by the key", Key('F', u'\u0430', LeftAlt), With(Char(U'f'), false, false, true)},
		{"Alt with a punctuation key", Key(VK_OEM_PERIOD, u'.', LeftAlt), With(Char(U'.'), false, false, true)},
		{"Ctrl+Alt+F, which types nothing", Key('F', 0, AltGr), With(Char(U'f'), false, true, true)},
		{"AltGr+Q typing @ is typed text", Key('Q', u'@', AltGr), Char(U'@')},
		{"AltGr+E typing the euro sign is typed text", Key('E', u'\u20AC', AltGr), Char(U'\u20AC')},
		{"a character typed as Alt + keypad digits, on the release of Alt", Key(VK_MENU, u'\u00E9', 0, false), Char(U'\u00E9')},
	};
	for (const FCase& Case : Cases)
	{
		FConsoleInputDecoder Decoder;
		FHostKeyPress Press;
		ASSERT_TRUE(Decoder.DecodeKey(Case.Record, Press)) << Case.Description;
		EXPECT_EQ(Press, Case.Expected) << Case.Description;
	}
}

TEST(ConsoleInputDecoder, IgnoresRecordsThatAreNoKeyPress)
{
	struct FCase { const char* Description; KEY_EVENT_RECORD Record; };
	const FCase Cases[] = {
		{"a release", Key('A', u'a', 0, false)},
		{"the release of Alt after Alt+F", Key(VK_MENU, 0, 0, false)},
		{"Shift alone", Key(VK_SHIFT, 0, SHIFT_PRESSED)},
		{"Ctrl alone", Key(VK_CONTROL, 0, LeftControl)},
		{"Alt alone", Key(VK_MENU, 0, LeftAlt)},
		{"Caps Lock", Key(VK_CAPITAL, 0, CAPSLOCK_ON)},
		{"Insert, which the editor has no use for", Key(VK_INSERT, 0)},
		{"Ctrl+[ typing the escape character", Key(VK_OEM_4, 0x1B, LeftControl)},
		{"a C1 control character", Key(VK_PACKET, 0x85)},
		{"a second surrogate half without its first", Key(VK_PACKET, 0xDE00)},
	};
	for (const FCase& Case : Cases)
	{
		FConsoleInputDecoder Decoder;
		FHostKeyPress Press;
		EXPECT_FALSE(Decoder.DecodeKey(Case.Record, Press)) << Case.Description;
	}
}

TEST(ConsoleInputDecoder, JoinsSurrogatePairsFromTwoKeyPresses)
{
	struct FCase { const char* Description; std::vector<KEY_EVENT_RECORD> Records; std::vector<FHostKeyPress> Expected; };
	const FCase Cases[] = {
		{"an emoji", {Key(VK_PACKET, 0xD83D), Key(VK_PACKET, 0xDE00)}, {Char(U'\U0001F600')}},
		{"the releases between the halves do not break the pair",
			{Key(VK_PACKET, 0xD83D), Key(VK_PACKET, 0xD83D, 0, false), Key(VK_PACKET, 0xDE00), Key(VK_PACKET, 0xDE00, 0, false)},
			{Char(U'\U0001F600')}},
		{"a CJK extension B character between letters",
			{Key('A', u'a'), Key(VK_PACKET, 0xD840), Key(VK_PACKET, 0xDC0B), Key('B', u'b')},
			{Char(U'a'), Char(U'\U0002000B'), Char(U'b')}},
		{"a first half followed by a letter: the half is dropped, the letter kept",
			{Key(VK_PACKET, 0xD83D), Key('B', u'b')}, {Char(U'b')}},
		{"a first half followed by Enter: Enter is kept, a later second half is no character",
			{Key(VK_PACKET, 0xD83D), Key(VK_RETURN, u'\r'), Key(VK_PACKET, 0xDE00)}, {Named(EHostKey::Enter)}},
		{"two first halves: the second pairs with what follows",
			{Key(VK_PACKET, 0xD83D), Key(VK_PACKET, 0xD83D), Key(VK_PACKET, 0xDE00)}, {Char(U'\U0001F600')}},
	};
	for (const FCase& Case : Cases)
	{
		FConsoleInputDecoder Decoder;
		std::vector<FHostKeyPress> Presses;
		for (const KEY_EVENT_RECORD& Record : Case.Records)
		{
			FHostKeyPress Press;
			if (Decoder.DecodeKey(Record, Press))
			{
				Presses.push_back(Press);
			}
		}
		EXPECT_EQ(Presses, Case.Expected) << Case.Description;
	}
}

namespace
{
	MOUSE_EVENT_RECORD Mouse(SHORT Column, SHORT Row, DWORD Buttons, DWORD Flags = 0)
	{
		MOUSE_EVENT_RECORD Record = {};
		Record.dwMousePosition = COORD{Column, Row};
		Record.dwButtonState = Buttons;
		Record.dwEventFlags = Flags;
		return Record;
	}

	struct FMouseResult
	{
		FHostInputEvent::EKind Kind;
		FHostMouseClick Cell;

		friend bool operator==(const FMouseResult&, const FMouseResult&) = default;
	};

	void PrintTo(const FMouseResult& Result, std::ostream* Out)
	{
		*Out << (Result.Kind == FHostInputEvent::EKind::MouseClick ? "click" : "move") << " at " << Result.Cell.Column << "," << Result.Cell.Row;
	}

	constexpr DWORD Left = FROM_LEFT_1ST_BUTTON_PRESSED;
	constexpr DWORD Right = RIGHTMOST_BUTTON_PRESSED;
	constexpr auto Click = FHostInputEvent::EKind::MouseClick;
	constexpr auto Move = FHostInputEvent::EKind::MouseMove;
}

TEST(ConsoleInputDecoder, TurnsMouseRecordsIntoClicksAndMoves)
{
	struct FCase { const char* Description; std::vector<MOUSE_EVENT_RECORD> Records; std::vector<FMouseResult> Expected; };
	const FCase Cases[] = {
		{"a press and release of the left button is one click", {Mouse(5, 2, Left), Mouse(5, 2, 0)}, {{Click, {5, 2}}}},
		{"a click far to the right", {Mouse(300, 40, Left)}, {{Click, {300, 40}}}},
		{"a double click is two clicks",
			{Mouse(3, 0, Left), Mouse(3, 0, 0), Mouse(3, 0, Left, DOUBLE_CLICK), Mouse(3, 0, 0)}, {{Click, {3, 0}}, {Click, {3, 0}}}},
		{"the right button is no click", {Mouse(1, 1, Right), Mouse(1, 1, 0)}, {}},
		{"the right button pressed while the left is held is no second click",
			{Mouse(1, 1, Left), Mouse(1, 1, Left | Right)}, {{Click, {1, 1}}}},
		{"motion onto other cells", {Mouse(1, 1, 0, MOUSE_MOVED), Mouse(2, 1, 0, MOUSE_MOVED)}, {{Move, {1, 1}}, {Move, {2, 1}}}},
		{"motion within one cell is reported once", {Mouse(4, 4, 0, MOUSE_MOVED), Mouse(4, 4, 0, MOUSE_MOVED)}, {{Move, {4, 4}}}},
		{"motion after a click onto the clicked cell is no move", {Mouse(6, 0, Left), Mouse(6, 0, Left, MOUSE_MOVED)}, {{Click, {6, 0}}}},
		{"the wheel is neither", {Mouse(2, 2, 0x00780000, MOUSE_WHEELED), Mouse(2, 2, 0xFF880000, MOUSE_HWHEELED)}, {}},
		{"the wheel turned with the left button held is no click",
			{Mouse(2, 2, Left), Mouse(2, 2, 0x00780000 | Left, MOUSE_WHEELED), Mouse(2, 2, Left | 0, MOUSE_MOVED)}, {{Click, {2, 2}}}},
	};
	for (const FCase& Case : Cases)
	{
		FConsoleInputDecoder Decoder;
		std::vector<FMouseResult> Results;
		for (const MOUSE_EVENT_RECORD& Record : Case.Records)
		{
			FHostInputEvent Event;
			if (Decoder.DecodeMouse(Record, Event))
			{
				Results.push_back({Event.Kind, Event.Click});
			}
		}
		EXPECT_EQ(Results, Case.Expected) << Case.Description;
	}
}
