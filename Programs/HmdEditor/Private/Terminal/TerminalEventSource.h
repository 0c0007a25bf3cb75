// The interactive mode's input and output: the terminal's keys, clicks and
// size changes are the event source, and each painted screen is drawn on it.
#pragma once

#include "Application/SlateEventSource.h"
#include "Rendering/SlateRenderer.h"

class FTerminalScreen;

class FTerminalEventSource : public ISlateEventSource, public ISlateRenderer
{
public:
	explicit FTerminalEventSource(FTerminalScreen& InScreen) : Screen(InScreen) {}

	bool WaitForNextEvent(FSlateEvent& OutEvent) override;
	void Present(const FSlateSurface& Surface) override;

private:
	FTerminalScreen& Screen;
};
