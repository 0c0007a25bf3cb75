// The host's own description of one key press, shared by the script reader
// and the terminal front end. It is turned into the application's key and
// character events in one place (InputDispatch).
#pragma once

#include "CoreTypes.h"

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

/** A click of the first mouse button at a character cell. */
struct FHostMouseClick
{
	int32 Column = 0;
	int32 Row = 0;

	friend bool operator==(const FHostMouseClick&, const FHostMouseClick&) = default;
};

/** What the terminal delivers: a key press, a click, a new size, or the end of its input. */
struct FHostInputEvent
{
	enum class EKind : uint8
	{
		KeyPress,
		MouseClick,
		Resize,
		EndOfInput,
	};

	EKind Kind = EKind::EndOfInput;
	FHostKeyPress Key;
	FHostMouseClick Click;
	/** The new size, for Resize. */
	int32 Columns = 0;
	int32 Rows = 0;
};
