#include "Terminal/TerminalKeyDecoder.h"

#include <curses.h>

namespace
{
	constexpr uint32 EscapeCharacter = 0x1B;
	constexpr uint32 DeleteCharacter = 0x7F;
	constexpr uint32 ControlBackspace = 0x08;

	bool DecodeKeyCode(uint32 Code, FHostKeyPress& Out)
	{
		if (Code >= static_cast<uint32>(KEY_F(1)) && Code <= static_cast<uint32>(KEY_F(12)))
		{
			Out = FHostKeyPress::Named(static_cast<EHostKey>(static_cast<uint32>(EHostKey::F1) + Code - static_cast<uint32>(KEY_F(1))));
			return true;
		}
		switch (Code)
		{
		case KEY_ENTER: Out = FHostKeyPress::Named(EHostKey::Enter); return true;
		case KEY_BACKSPACE: Out = FHostKeyPress::Named(EHostKey::Backspace); return true;
		case KEY_DC: Out = FHostKeyPress::Named(EHostKey::Delete); return true;
		case KEY_LEFT: Out = FHostKeyPress::Named(EHostKey::Left); return true;
		case KEY_RIGHT: Out = FHostKeyPress::Named(EHostKey::Right); return true;
		case KEY_UP: Out = FHostKeyPress::Named(EHostKey::Up); return true;
		case KEY_DOWN: Out = FHostKeyPress::Named(EHostKey::Down); return true;
		case KEY_HOME: Out = FHostKeyPress::Named(EHostKey::Home); return true;
		case KEY_END: Out = FHostKeyPress::Named(EHostKey::End); return true;
		case KEY_BTAB:
			Out = FHostKeyPress::Named(EHostKey::Tab);
			Out.bShift = true;
			return true;
		default: return false;
		}
	}

	bool DecodeCharacter(uint32 Character, FHostKeyPress& Out)
	{
		switch (Character)
		{
		case '\r':
		case '\n': Out = FHostKeyPress::Named(EHostKey::Enter); return true;
		case '\t': Out = FHostKeyPress::Named(EHostKey::Tab); return true;
		case EscapeCharacter: Out = FHostKeyPress::Named(EHostKey::Escape); return true;
		case DeleteCharacter:
		case ControlBackspace: Out = FHostKeyPress::Named(EHostKey::Backspace); return true;
		default: break;
		}
		// In raw mode Ctrl+<letter> arrives as the letter's control code.
		if (Character >= 1 && Character <= 26)
		{
			Out = FHostKeyPress::Char(U'a' + Character - 1);
			Out.bControl = true;
			return true;
		}
		if (Character < 0x20 || (Character >= 0x80 && Character <= 0x9F) || Character > 0x10FFFF)
		{
			return false;
		}
		Out = FHostKeyPress::Char(Character);
		return true;
	}
}

bool DecodeTerminalInput(const FTerminalInput& Input, FHostKeyPress& Out)
{
	return Input.bKeyCode ? DecodeKeyCode(Input.Value, Out) : DecodeCharacter(Input.Value, Out);
}

bool DecodeAltSequence(const FTerminalInput& Following, FHostKeyPress& Out)
{
	if (Following.bKeyCode || Following.Value <= 0x20 || Following.Value == DeleteCharacter)
	{
		return false;
	}
	FHostKeyPress Press;
	if (!DecodeCharacter(Following.Value, Press))
	{
		return false;
	}
	// Alt+Shift+F arrives as Escape "F"; menus answer to the letter whatever its case.
	if (Press.Character >= U'A' && Press.Character <= U'Z')
	{
		Press.Character += U'a' - U'A';
	}
	Press.bAlt = true;
	Out = Press;
	return true;
}

bool IsTerminalEscape(const FTerminalInput& Input)
{
	return !Input.bKeyCode && Input.Value == EscapeCharacter;
}
