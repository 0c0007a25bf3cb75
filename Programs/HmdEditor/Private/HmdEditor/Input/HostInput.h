// The host's own description of one key press, shared by the script reader
// and the terminal front end. It is turned into the application's key and
// character events in one place (Input/SlateInputEvents.h).
#pragma once

#include "CoreTypes.h"

#include <string>

enum class EHostKey : uint8
{
	/** A character key; the character is in FHostKeyPress::Character. */
	Character,
	Enter,
	Tab,
	Escape,
	Backspace,
	Delete,
	Left,
	Right,
	Up,
	Down,
	Home,
	End,
	PageUp,
	PageDown,
	F1,
	F2,
	F3,
	F4,
	F5,
	F6,
	F7,
	F8,
	F9,
	F10,
	F11,
	F12,
};

struct FHostKeyPress
{
	EHostKey Key = EHostKey::Character;
	/** The typed character (a Unicode code point) for EHostKey::Character; Space is U' '. */
	char32_t Character = 0;
	bool bShift = false;
	bool bControl = false;
	bool bAlt = false;

	static FHostKeyPress Named(EHostKey InKey) { return FHostKeyPress{InKey, 0, false, false, false}; }
	static FHostKeyPress Char(char32_t InCharacter) { return FHostKeyPress{EHostKey::Character, InCharacter, false, false, false}; }

	friend bool operator==(const FHostKeyPress&, const FHostKeyPress&) = default;
};

/** Where the mouse was: a click of the first button, or motion onto a character cell. */
struct FHostMouseClick
{
	int32 Column = 0;
	int32 Row = 0;

	friend bool operator==(const FHostMouseClick&, const FHostMouseClick&) = default;
};

/**
 * What a terminal or console delivers: a key press, a click, mouse motion,
 * pasted text, a new size, or the end of its input.
 */
struct FHostInputEvent
{
	enum class EKind : uint8
	{
		KeyPress,
		MouseClick,
		MouseMove,
		Paste,
		Resize,
		EndOfInput,
	};

	EKind Kind = EKind::EndOfInput;
	FHostKeyPress Key;
	/** The cell, for MouseClick and MouseMove. */
	FHostMouseClick Click;
	/** The pasted text as it came, for Paste. */
	std::u32string Text;
	/** The new size, for Resize. */
	int32 Columns = 0;
	int32 Rows = 0;

	static FHostInputEvent Resize(int32 InColumns, int32 InRows)
	{
		FHostInputEvent Event;
		Event.Kind = EKind::Resize;
		Event.Columns = InColumns;
		Event.Rows = InRows;
		return Event;
	}
};
