// FInputChord: a key with its modifier keys. The empty chord binds no key.
#pragma once

#include "CommandsApi.h"
#include "Input/InputCoreTypes.h"
#include "Internationalization/Text.h"
#include "UObject/NameTypes.h"

/** Which of a command's two chords. */
enum class EMultipleKeyBindingIndex : uint8
{
	Primary = 0,
	Secondary,
	NumChords
};

struct COMMANDS_API FInputChord
{
	FKey Key;
	bool bShift = false;
	bool bCtrl = false;
	bool bAlt = false;
	bool bCmd = false;

	/** The empty chord: no key. */
	FInputChord() = default;
	FInputChord(const FKey& InKey, bool bInShift = false, bool bInCtrl = false, bool bInAlt = false, bool bInCmd = false)
		: Key(InKey), bShift(bInShift), bCtrl(bInCtrl), bAlt(bInAlt), bCmd(bInCmd)
	{
	}

	/** True when the chord names a key. */
	bool IsValidChord() const { return Key.IsValid(); }

	/** How a menu shows the chord, such as "Ctrl+Shift+S"; empty for no key. */
	FText GetInputText() const;

	bool operator==(const FInputChord& Other) const = default;
};
