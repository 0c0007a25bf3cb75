// What the escape sequences terminals send for keys and the mouse mean: the
// xterm forms (which most terminals, tmux and screen included, follow), the
// rxvt and Linux console variants, and the SGR and X10 mouse reports. Each
// function decodes one complete sequence; TerminalInputDecoder.h finds where
// a sequence starts and ends.
#pragma once

#include "HmdEditor/Input/HostInput.h"

#include <string_view>

/**
 * Decodes a control sequence, "ESC [" Parameters Final (Parameters holds the
 * bytes between "[" and the final byte, any "<" or "?" prefix included).
 * Returns false for a sequence that is no key press, click or motion the host
 * uses (an unknown key, Insert, a mouse release, the wheel, a stray paste
 * marker).
 */
bool DecodeControlSequence(std::string_view Parameters, char Final, FHostInputEvent& Out);

/** Decodes "ESC O" Final, the form of arrows, Home, End and F1-F4 in application mode. */
bool DecodeSingleShiftSequence(char Final, FHostInputEvent& Out);

/** Decodes the Linux console's F1-F5, "ESC [ [" Final. */
bool DecodeLinuxFunctionKey(char Final, FHostInputEvent& Out);

/** Decodes an X10 mouse report, "ESC [ M" and three bytes: button + 32, column + 33, row + 33. */
bool DecodeX10MouseReport(const uint8 (&Bytes)[3], FHostInputEvent& Out);

/** The control sequence parameters that start and end pasted text: "ESC [ 200 ~" ... "ESC [ 201 ~". */
inline constexpr std::string_view PasteStartParameters = "200";
inline constexpr std::string_view PasteEnd = "\x1B[201~";
