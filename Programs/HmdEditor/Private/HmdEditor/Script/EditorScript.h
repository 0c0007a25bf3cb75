// Scripts of the headless mode: one action a line.
//
//   key NAME [NAME ...]   key presses, named as in Input/KeyNames.h
//   type TEXT             the text after the first space, one press a character
//   screen                print the screen
//   sleep SECONDS         wait, up to an hour; a stop signal ends the wait
//   quit                  quit as File > Exit does
//
// Blank lines and lines starting with '#' are skipped.
#pragma once

#include "Containers/Array.h"
#include "HmdEditor/Input/HostInput.h"
#include "Templates/ValueOrError.h"

#include <chrono>
#include <string>
#include <string_view>

enum class EScriptAction : uint8
{
	Press,
	Screen,
	Sleep,
	Quit,
};

/** The longest "sleep" a script may ask for, in seconds. */
inline constexpr int32 MaxScriptSleepSeconds = 3600;

struct FScriptCommand
{
	EScriptAction Action = EScriptAction::Press;
	/** One-based line of the script the command came from. */
	int32 Line = 0;
	/** The key presses of a "key" or "type" line, in order. */
	TArray<FHostKeyPress> Presses;
	/** How long a "sleep" line waits. */
	std::chrono::nanoseconds Duration{0};
};

struct FScriptError
{
	int32 Line = 0;
	std::string Message;
};

/** Where a script is wrong: the first bad line and what is wrong with it. */
/**
 * Reads a whole script before anything runs, so that a mistake on any line
 * stops the program before it has touched a file: the commands, or the
 * first bad line.
 */
TValueOrError<TArray<FScriptCommand>, FScriptError> ParseEditorScript(std::string_view Text);
