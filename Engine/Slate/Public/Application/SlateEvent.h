// FSlateEvent: one input event as an event source delivers it.
#pragma once

#include "Input/Events.h"

#include <functional>
#include <string>
#include <utility>

struct FSlateEvent
{
	enum class EType : uint8
	{
		/** A key pressed: Key with Modifiers. */
		KeyDown,
		/** A character typed: Character with Modifiers. */
		KeyChar,
		/** A mouse button pressed over the cell (Column, Row). */
		MouseButtonDown,
		/** The mouse moved onto the cell (Column, Row), where the terminal reports motion. */
		MouseMove,
		/** Text pasted in one piece (Text); the focused widget takes it as typed text or not at all. */
		Paste,
		/** The screen now has Column columns and Row rows. */
		Resize,
		/** Runs Action on the application's thread, between two events (for scripts and tests). */
		Action,
	};

	EType Type = EType::Action;
	FKey Key;
	FModifierKeysState Modifiers;
	char32_t Character = 0;
	std::u32string Text;
	int32 Column = 0;
	int32 Row = 0;
	std::function<void()> Action;

	static FSlateEvent MakeKeyDown(const FKey& InKey, const FModifierKeysState& InModifiers = FModifierKeysState())
	{
		FSlateEvent Event;
		Event.Type = EType::KeyDown;
		Event.Key = InKey;
		Event.Modifiers = InModifiers;
		return Event;
	}
	static FSlateEvent MakeKeyChar(char32_t InCharacter, const FModifierKeysState& InModifiers = FModifierKeysState())
	{
		FSlateEvent Event;
		Event.Type = EType::KeyChar;
		Event.Character = InCharacter;
		Event.Modifiers = InModifiers;
		return Event;
	}
	static FSlateEvent MakeMouseButtonDown(int32 InColumn, int32 InRow, const FKey& InButton = EKeys::LeftMouseButton)
	{
		FSlateEvent Event;
		Event.Type = EType::MouseButtonDown;
		Event.Column = InColumn;
		Event.Row = InRow;
		Event.Key = InButton;
		return Event;
	}
	static FSlateEvent MakeMouseMove(int32 InColumn, int32 InRow)
	{
		FSlateEvent Event;
		Event.Type = EType::MouseMove;
		Event.Column = InColumn;
		Event.Row = InRow;
		return Event;
	}
	static FSlateEvent MakePaste(std::u32string InText)
	{
		FSlateEvent Event;
		Event.Type = EType::Paste;
		Event.Text = std::move(InText);
		return Event;
	}
	static FSlateEvent MakeResize(int32 InColumns, int32 InRows)
	{
		FSlateEvent Event;
		Event.Type = EType::Resize;
		Event.Column = InColumns;
		Event.Row = InRows;
		return Event;
	}
	static FSlateEvent MakeAction(std::function<void()> InAction)
	{
		FSlateEvent Event;
		Event.Type = EType::Action;
		Event.Action = std::move(InAction);
		return Event;
	}
};
