// The headless mode's front end, its input and its output: the script's key
// presses are the event source, and the painted screen is kept for the
// "screen" action, which prints it to standard output. The input ends at the end of the
// script, or earlier when a stop signal comes (App/StopSignals.h), a "sleep"
// included, or when the screen cannot be written.
#pragma once

#include "Application/SlateEventSource.h"
#include "Containers/Array.h"
#include "Rendering/SlateRenderer.h"
#include "Rendering/SlateSurface.h"
#include "HmdEditor/Script/EditorScript.h"
#include "Templates/ValueOrError.h"

#include <cstdio>
#include <functional>
#include <string>

/** The grid as the "screen" action prints it: rows without trailing spaces, then "--- end of screen ---". */
std::string FormatScreen(const FSlateSurface& Surface);

class FScriptFrontEnd : public ISlateEventSource, public ISlateRenderer
{
public:
	/** OnQuit runs for the "quit" action; Output receives the "screen" actions' prints. */
	FScriptFrontEnd(TArray<FScriptCommand> InCommands, std::function<void()> InOnQuit, std::FILE* InOutput);

	bool WaitForNextEvent(FSlateEvent& OutEvent) override;
	/** True in the middle of a line of key presses, whose screen is painted once at its end. */
	bool HasPendingEvents() const override;
	void Present(const FSlateSurface& Surface) override;

	/**
	 * What the script's run came to: the error of the first "screen" print
	 * that could not be written (a full device, a closed pipe). Such an error
	 * ends the input, as the end of the script would: what follows would be
	 * lost.
	 */
	const TValueOrError<void, std::string>& GetResult() const { return Result; }

private:
	/** Prints the screen last presented to Output; the error says why it could not be written. */
	TValueOrError<void, std::string> PrintScreen() const;

	TArray<FScriptCommand> Commands;
	std::function<void()> OnQuit;
	std::FILE* Output;
	/** The command being run and, for key presses, the next press of it. */
	int32 CommandIndex = 0;
	int32 PressIndex = 0;
	FSlateSurface LastPresented;
	TValueOrError<void, std::string> Result = MakeValue();
};
