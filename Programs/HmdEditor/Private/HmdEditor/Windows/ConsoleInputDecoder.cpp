#include "HmdEditor/Windows/ConsoleInputDecoder.h"

#include "Containers/Utf16Surrogates.h"
#include "Text/CodePointString.h"

namespace
{
	using CodePointString::IsControl;

	bool FindNamedKey(WORD VirtualKey, EHostKey& Out)
	{
		if (VirtualKey >= VK_F1 && VirtualKey <= VK_F12)
		{
			Out = static_cast<EHostKey>(static_cast<int32>(EHostKey::F1) + VirtualKey - VK_F1);
			return true;
		}
		switch (VirtualKey)
		{
		case VK_RETURN: Out = EHostKey::Enter; return true;
		case VK_TAB: Out = EHostKey::Tab; return true;
		case VK_ESCAPE: Out = EHostKey::Escape; return true;
		case VK_BACK: Out = EHostKey::Backspace; return true;
		case VK_DELETE: Out = EHostKey::Delete; return true;
		case VK_LEFT: Out = EHostKey::Left; return true;
		case VK_RIGHT: Out = EHostKey::Right; return true;
		case VK_UP: Out = EHostKey::Up; return true;
		case VK_DOWN: Out = EHostKey::Down; return true;
		case VK_HOME: Out = EHostKey::Home; return true;
		case VK_END: Out = EHostKey::End; return true;
		case VK_PRIOR: Out = EHostKey::PageUp; return true;
		case VK_NEXT: Out = EHostKey::PageDown; return true;
		default: return false;
		}
	}

	/**
	 * The character of a key pressed with Ctrl or Alt, by the key rather than
	 * by what it types (Ctrl+C types U+0003; Alt+F on a Cyrillic layout types
	 * a Cyrillic letter): letters in lower case, as the POSIX terminal gives
	 * them, digits and Space.
	 */
	bool FindModifiedCharacter(WORD VirtualKey, char32_t& Out)
	{
		if (VirtualKey >= 'A' && VirtualKey <= 'Z')
		{
			Out = U'a' + (VirtualKey - 'A');
			return true;
		}
		if ((VirtualKey >= '0' && VirtualKey <= '9') || VirtualKey == VK_SPACE)
		{
			Out = VirtualKey;
			return true;
		}
		return false;
	}
}

bool FConsoleInputDecoder::DecodeKey(const KEY_EVENT_RECORD& Record, FHostKeyPress& Out)
{
	const char16_t Unit = Record.uChar.UnicodeChar;
	// A character typed as Alt + its number on the keypad comes with the release of Alt.
	const bool bAltCodeCharacter = !Record.bKeyDown && Record.wVirtualKeyCode == VK_MENU && Unit != 0;
	if (!Record.bKeyDown && !bAltCodeCharacter)
	{
		return false;
	}
	const DWORD State = Record.dwControlKeyState;
	const bool bShift = (State & SHIFT_PRESSED) != 0;
	const bool bControl = !bAltCodeCharacter && (State & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) != 0;
	const bool bAlt = !bAltCodeCharacter && (State & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) != 0;
	// AltGr is reported as Ctrl and Alt together; the character it types is typed text.
	const bool bAltGrCharacter = bControl && bAlt && !IsControl(Unit);

	const char16_t HighSurrogate = PendingHighSurrogate;
	PendingHighSurrogate = 0;

	EHostKey Named = EHostKey::Character;
	if (!bAltCodeCharacter && FindNamedKey(Record.wVirtualKeyCode, Named))
	{
		Out = FHostKeyPress::Named(Named);
		Out.bShift = bShift;
		Out.bControl = bControl;
		Out.bAlt = bAlt;
		return true;
	}

	char32_t Modified = 0;
	if ((bControl || bAlt) && !bAltGrCharacter && FindModifiedCharacter(Record.wVirtualKeyCode, Modified))
	{
		Out = FHostKeyPress::Char(Modified);
		Out.bControl = bControl;
		Out.bAlt = bAlt;
		return true;
	}

	char32_t Character = Unit;
	if (Utf16Surrogates::IsHigh(Unit))
	{
		PendingHighSurrogate = Unit;
		return false;
	}
	if (Utf16Surrogates::IsLow(Unit))
	{
		// A second half without its first is no character.
		if (HighSurrogate == 0)
		{
			return false;
		}
		Character = Utf16Surrogates::Join(HighSurrogate, Unit);
	}
	if (IsControl(Character))
	{
		return false;
	}
	Out = FHostKeyPress::Char(Character);
	Out.bAlt = bAlt && !bAltGrCharacter;
	return true;
}

bool FConsoleInputDecoder::DecodeMouse(const MOUSE_EVENT_RECORD& Record, FHostInputEvent& Out)
{
	// A wheel record's button state carries the wheel's turn, not the buttons.
	if ((Record.dwEventFlags & (MOUSE_WHEELED | MOUSE_HWHEELED)) != 0)
	{
		return false;
	}
	const DWORD NewlyPressed = Record.dwButtonState & ~HeldButtons;
	HeldButtons = Record.dwButtonState;
	const FHostMouseClick Cell{Record.dwMousePosition.X, Record.dwMousePosition.Y};
	const bool bOtherCell = Cell.Column != LastColumn || Cell.Row != LastRow;
	LastColumn = Cell.Column;
	LastRow = Cell.Row;

	if ((NewlyPressed & FROM_LEFT_1ST_BUTTON_PRESSED) != 0)
	{
		Out.Kind = FHostInputEvent::EKind::MouseClick;
	}
	else if ((Record.dwEventFlags & MOUSE_MOVED) != 0 && bOtherCell)
	{
		Out.Kind = FHostInputEvent::EKind::MouseMove;
	}
	else
	{
		return false;
	}
	Out.Click = Cell;
	return true;
}
