// Turns the console's input records (ReadConsoleInputW) into the host's key
// presses, clicks and mouse motion, the same presses the POSIX terminal
// delivers: named keys by their virtual-key codes, typed characters as
// Unicode code points, Ctrl+<letter> as the letter with Ctrl held.
#pragma once

#include "HmdEditor/Input/HostInput.h"
#include "HmdEditor/Windows/WindowsConsoleIncludes.h"

class FConsoleInputDecoder
{
public:
	/**
	 * Decodes one key record. Returns false for a record that is no key press
	 * of its own: a release, a lone modifier, a control character, or the
	 * first half of a character outside the Basic Multilingual Plane, which
	 * is kept until its second half arrives in the next key press.
	 * The record's repeat count is left to the caller.
	 */
	bool DecodeKey(const KEY_EVENT_RECORD& Record, FHostKeyPress& Out);

	/**
	 * Decodes one mouse record: a press of the left button is a click, motion
	 * onto another cell is a move. Returns false for everything else
	 * (releases, other buttons, the wheel, motion within a cell).
	 */
	bool DecodeMouse(const MOUSE_EVENT_RECORD& Record, FHostInputEvent& Out);

private:
	/** The first half of a surrogate pair, waiting for its second; 0 when none. */
	char16_t PendingHighSurrogate = 0;
	/** The buttons held at the last mouse record, to tell presses from releases. */
	DWORD HeldButtons = 0;
	/** The cell of the last mouse record; -1 before the first. */
	int32 LastColumn = -1;
	int32 LastRow = -1;
};
