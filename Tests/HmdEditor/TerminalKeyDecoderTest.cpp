#include "Terminal/TerminalKeyDecoder.h"

#include <gtest/gtest.h>

#include <curses.h>

namespace
{
	FTerminalInput Code(int KeyCode) { return FTerminalInput{true, static_cast<uint32>(KeyCode)}; }
	FTerminalInput Char(uint32 Character) { return FTerminalInput{false, Character}; }

	FHostKeyPress With(FHostKeyPress Press, bool bShift, bool bControl, bool bAlt)
	{
		Press.bShift = bShift;
		Press.bControl = bControl;
		Press.bAlt = bAlt;
		return Press;
	}
}

TEST(TerminalKeyDecoder, DecodesKeyCodesAndCharacters)
{
	struct FCase { FTerminalInput Input; FHostKeyPress Expected; };
	const FCase Cases[] = {
		{Code(KEY_F(1)), FHostKeyPress::Named(EHostKey::F1)},
		{Code(KEY_F(9)), FHostKeyPress::Named(EHostKey::F9)},
		{Code(KEY_F(10)), FHostKeyPress::Named(EHostKey::F10)},
		{Code(KEY_F(12)), FHostKeyPress::Named(EHostKey::F12)},
		{Code(KEY_LEFT), FHostKeyPress::Named(EHostKey::Left)},
		{Code(KEY_RIGHT), FHostKeyPress::Named(EHostKey::Right)},
		{Code(KEY_UP), FHostKeyPress::Named(EHostKey::Up)},
		{Code(KEY_DOWN), FHostKeyPress::Named(EHostKey::Down)},
		{Code(KEY_HOME), FHostKeyPress::Named(EHostKey::Home)},
		{Code(KEY_END), FHostKeyPress::Named(EHostKey::End)},
		{Code(KEY_DC), FHostKeyPress::Named(EHostKey::Delete)},
		{Code(KEY_BACKSPACE), FHostKeyPress::Named(EHostKey::Backspace)},
		{Code(KEY_ENTER), FHostKeyPress::Named(EHostKey::Enter)},
		{Code(KEY_BTAB), With(FHostKeyPress::Named(EHostKey::Tab), true, false, false)},
		{Char('\r'), FHostKeyPress::Named(EHostKey::Enter)},
		{Char('\n'), FHostKeyPress::Named(EHostKey::Enter)},
		{Char('\t'), FHostKeyPress::Named(EHostKey::Tab)},
		{Char(0x1B), FHostKeyPress::Named(EHostKey::Escape)},
		{Char(0x7F), FHostKeyPress::Named(EHostKey::Backspace)},
		{Char(0x08), FHostKeyPress::Named(EHostKey::Backspace)},
		{Char(0x11), With(FHostKeyPress::Char(U'q'), false, true, false)},
		{Char(0x01), With(FHostKeyPress::Char(U'a'), false, true, false)},
		{Char(' '), FHostKeyPress::Char(U' ')},
		{Char('Q'), FHostKeyPress::Char(U'Q')},
		{Char(0xE9), FHostKeyPress::Char(U'\u00E9')},
		{Char(0x1F600), FHostKeyPress::Char(U'\U0001F600')},
	};
	for (const FCase& Case : Cases)
	{
		FHostKeyPress Press;
		EXPECT_TRUE(DecodeTerminalInput(Case.Input, Press)) << Case.Input.Value;
		EXPECT_EQ(Press, Case.Expected) << Case.Input.Value;
	}
}

TEST(TerminalKeyDecoder, IgnoresInputThatIsNoKeyPress)
{
	for (const FTerminalInput Input : {Code(KEY_MOUSE), Code(KEY_RESIZE), Code(KEY_F(13)), Code(KEY_IC), Char(0), Char(0x1C), Char(0x85), Char(0x110000)})
	{
		FHostKeyPress Press;
		EXPECT_FALSE(DecodeTerminalInput(Input, Press)) << Input.Value;
	}
}

TEST(TerminalKeyDecoder, EscapeFollowedByAKeyIsAltOfThatKey)
{
	EXPECT_TRUE(IsTerminalEscape(Char(0x1B)));
	EXPECT_FALSE(IsTerminalEscape(Code(0x1B)));
	EXPECT_FALSE(IsTerminalEscape(Char('[')));

	struct FCase { FTerminalInput Following; bool bAlt; FHostKeyPress Expected; };
	const FCase Cases[] = {
		{Char('f'), true, With(FHostKeyPress::Char(U'f'), false, false, true)},
		{Char('F'), true, With(FHostKeyPress::Char(U'f'), false, false, true)},
		{Char('1'), true, With(FHostKeyPress::Char(U'1'), false, false, true)},
		{Char(0x1B), false, {}},
		{Char(' '), false, {}},
		{Char(0x11), false, {}},
		{Char(0x7F), false, {}},
		{Code(KEY_LEFT), false, {}},
	};
	for (const FCase& Case : Cases)
	{
		FHostKeyPress Press;
		EXPECT_EQ(DecodeAltSequence(Case.Following, Press), Case.bAlt) << Case.Following.Value;
		if (Case.bAlt)
		{
			EXPECT_EQ(Press, Case.Expected);
		}
	}
}
