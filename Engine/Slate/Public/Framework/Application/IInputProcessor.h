// IInputProcessor: sees input before any widget does.
//
// The application offers every key press, typed character, mouse button
// press and paste to its registered pre-processors first, in the order they
// were registered, whatever window is open (modal windows included, and
// clicks outside them). The first one that returns true consumes the event:
// neither later pre-processors nor any widget see it. The defaults let
// everything through. Hosts use this for keys that work everywhere.
#pragma once

#include "Input/Events.h"
#include "SlateApi.h"

#include <string_view>

class FSlateApplication;

class SLATE_API IInputProcessor
{
public:
	virtual ~IInputProcessor();

	virtual bool HandleKeyDownEvent(FSlateApplication& SlateApp, const FKeyEvent& InKeyEvent);
	virtual bool HandleKeyCharEvent(FSlateApplication& SlateApp, const FCharacterEvent& InCharacterEvent);
	virtual bool HandleMouseButtonDownEvent(FSlateApplication& SlateApp, const FPointerEvent& MouseEvent);
	virtual bool HandlePasteEvent(FSlateApplication& SlateApp, std::u32string_view Text);
};
