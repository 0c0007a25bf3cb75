// Turns the host's key presses into the application's events, the one place
// that decides which presses are keys and which are typed characters.
#pragma once

#include "Application/SlateEvent.h"
#include "HmdEditor/Input/HostInput.h"

/**
 * The event for one press:
 * - named keys (Enter, Tab, F10, ...) are key-down events;
 * - Ctrl+<letter> and Alt+<letter> are key-down events of the letter's key
 *   ("Q") with the modifier, so that no text box types them;
 * - Space is a key-down event of Space (a check box or button acts on it)
 *   followed, when nothing handled it, by the typed character ' ';
 * - any other character is a typed character.
 */
FSlateEvent MakeSlateEvent(const FHostKeyPress& Press);
