// Input events: keys, typed characters, mouse presses and motion at a cell,
// and focus changes.
#pragma once

#include "CoreTypes.h"
#include "Input/InputCoreTypes.h"
#include "SlateApi.h"
#include "UObject/NameTypes.h"

/** The keys the widgets and the application act on. Names compare without regard to case. */
struct SLATE_API EKeys
{
	static const FKey Enter;
	static const FKey Tab;
	static const FKey Escape;
	static const FKey Space;
	static const FKey BackSpace;
	static const FKey Delete;
	static const FKey Left;
	static const FKey Right;
	static const FKey Up;
	static const FKey Down;
	static const FKey Home;
	static const FKey End;
	static const FKey PageUp;
	static const FKey PageDown;
	static const FKey F1;
	static const FKey F2;
	static const FKey F3;
	static const FKey F4;
	static const FKey F5;
	static const FKey F6;
	static const FKey F7;
	static const FKey F8;
	static const FKey F9;
	static const FKey F10;
	static const FKey F11;
	static const FKey F12;
	static const FKey LeftMouseButton;
};

struct FModifierKeysState
{
	bool bShift = false;
	bool bCtrl = false;
	bool bAlt = false;

	bool operator==(const FModifierKeysState& Other) const = default;
};

class FInputEvent
{
public:
	explicit FInputEvent(const FModifierKeysState& InModifiers = FModifierKeysState()) : Modifiers(InModifiers) {}

	const FModifierKeysState& GetModifierKeys() const { return Modifiers; }
	bool IsShiftDown() const { return Modifiers.bShift; }
	bool IsControlDown() const { return Modifiers.bCtrl; }
	bool IsAltDown() const { return Modifiers.bAlt; }

private:
	FModifierKeysState Modifiers;
};

/** A key pressed. */
class FKeyEvent : public FInputEvent
{
public:
	explicit FKeyEvent(const FKey& InKey, const FModifierKeysState& InModifiers = FModifierKeysState()) : FInputEvent(InModifiers), Key(InKey) {}

	const FKey& GetKey() const { return Key; }

private:
	FKey Key;
};

/** A character typed: one Unicode code point. */
class FCharacterEvent : public FInputEvent
{
public:
	explicit FCharacterEvent(char32_t InCharacter, const FModifierKeysState& InModifiers = FModifierKeysState())
		: FInputEvent(InModifiers), Character(InCharacter)
	{
	}

	char32_t GetCharacter() const { return Character; }

private:
	char32_t Character;
};

/** A mouse button pressed over a cell of the screen, or the mouse moved onto one (then with no button: an invalid key). */
class FPointerEvent : public FInputEvent
{
public:
	FPointerEvent(int32 InColumn, int32 InRow, const FKey& InButton = EKeys::LeftMouseButton, const FModifierKeysState& InModifiers = FModifierKeysState())
		: FInputEvent(InModifiers), Column(InColumn), Row(InRow), Button(InButton)
	{
	}

	int32 GetColumn() const { return Column; }
	int32 GetRow() const { return Row; }
	const FKey& GetEffectingButton() const { return Button; }

private:
	int32 Column;
	int32 Row;
	FKey Button;
};

/** Why the keyboard focus changed. */
enum class EFocusCause : uint8
{
	/** A mouse click. */
	Mouse,
	/** Tab or Shift+Tab. */
	Navigation,
	/** The program set the focus. */
	SetDirectly,
	/** The focus was cleared and went nowhere. */
	Cleared,
	/** A window opened or closed. */
	WindowActivate,
};

class FFocusEvent
{
public:
	explicit FFocusEvent(EFocusCause InCause) : Cause(InCause) {}
	EFocusCause GetCause() const { return Cause; }

private:
	EFocusCause Cause;
};
