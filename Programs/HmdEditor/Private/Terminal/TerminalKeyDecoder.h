// Turns what ncurses reads (a character or a key code) into key presses.
#pragma once

#include "Input/HostInput.h"

/** One result of wget_wch: a character, or a KEY_* code when bKeyCode is set. */
struct FTerminalInput
{
	bool bKeyCode = false;
	uint32 Value = 0;
};

/**
 * Decodes one input on its own. Returns false for input that is no key press
 * (KEY_MOUSE, KEY_RESIZE, an unknown key code or control character).
 */
bool DecodeTerminalInput(const FTerminalInput& Input, FHostKeyPress& Out);

/**
 * Decodes the input that came at once after an Escape: terminals send
 * Alt+<key> as Escape followed by the key. Returns false when Following does
 * not make an Alt press with the Escape, which then stands alone.
 */
bool DecodeAltSequence(const FTerminalInput& Following, FHostKeyPress& Out);

/** True for the plain Escape character, which may start an Alt sequence. */
bool IsTerminalEscape(const FTerminalInput& Input);
