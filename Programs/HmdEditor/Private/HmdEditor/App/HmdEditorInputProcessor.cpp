#include "HmdEditor/App/HmdEditorInputProcessor.h"

#include "HmdEditor/Log/HostLogHistory.h"

#include <utility>

namespace
{
	bool IsPlain(const FModifierKeysState& Modifiers)
	{
		return !Modifiers.bShift && !Modifiers.bCtrl && !Modifiers.bAlt;
	}

	/** Ctrl+C comes as the key "C" with Control, as letter keys with modifiers do. */
	bool IsControlC(const FKeyEvent& InKeyEvent)
	{
		const FModifierKeysState& Modifiers = InKeyEvent.GetModifierKeys();
		const FString Name = InKeyEvent.GetKey().ToString();
		return Modifiers.bCtrl && !Modifiers.bAlt && Name.Len() == 1 && (Name[0] == u'C' || Name[0] == u'c');
	}
}

FHmdEditorInputProcessor::FHmdEditorInputProcessor(FHostLogHistory& InLogHistory, FOnHostKeyCommand InOnHelp, FOnHostKeyCommand InOnQuit)
	: LogHistory(InLogHistory), OnHelp(std::move(InOnHelp)), OnQuit(std::move(InOnQuit))
{
}

bool FHmdEditorInputProcessor::HandleKeyDownEvent(FSlateApplication& /*SlateApp*/, const FKeyEvent& InKeyEvent)
{
	LogHistory.ClearNotice();
	if (InKeyEvent.GetKey() == EKeys::F1 && IsPlain(InKeyEvent.GetModifierKeys()))
	{
		OnHelp.ExecuteIfBound();
		return true;
	}
	if (IsControlC(InKeyEvent))
	{
		OnQuit.ExecuteIfBound();
		return true;
	}
	return false;
}

bool FHmdEditorInputProcessor::HandleKeyCharEvent(FSlateApplication& /*SlateApp*/, const FCharacterEvent& /*InCharacterEvent*/)
{
	LogHistory.ClearNotice();
	return false;
}
