// The session's keys that work everywhere, seen before any widget: F1 lists
// the keys of the place the user is in, Ctrl+C quits (an open settings
// window included, which closes and saves first), and every key press
// clears the status line's message, which the user has seen by then.
// Other keys go on to the widgets.
#pragma once

#include "Delegates/Delegate.h"
#include "Framework/Application/IInputProcessor.h"

class FHostLogHistory;

DECLARE_DELEGATE(FOnHostKeyCommand);

class FHmdEditorInputProcessor : public IInputProcessor
{
public:
	FHmdEditorInputProcessor(FHostLogHistory& InLogHistory, FOnHostKeyCommand InOnHelp, FOnHostKeyCommand InOnQuit);

	bool HandleKeyDownEvent(FSlateApplication& SlateApp, const FKeyEvent& InKeyEvent) override;
	bool HandleKeyCharEvent(FSlateApplication& SlateApp, const FCharacterEvent& InCharacterEvent) override;

private:
	FHostLogHistory& LogHistory;
	FOnHostKeyCommand OnHelp;
	FOnHostKeyCommand OnQuit;
};
