// The names of keys as scripts write them: "Enter", "Shift+Tab", "F10",
// "Ctrl+Q", "Alt+f", or a single printable character such as "a" or "é".
#pragma once

#include "HmdEditor/Input/HostInput.h"

#include <string_view>

/**
 * Reads one key name. Named keys match without regard to case ("enter",
 * "ENTER"); a single character stands for itself. Returns false for an
 * unknown name, leaving Out unchanged.
 */
bool ParseKeyName(std::string_view Name, FHostKeyPress& Out);
