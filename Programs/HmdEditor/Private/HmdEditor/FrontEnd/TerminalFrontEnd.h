// The interactive mode's input and output on either system: what the
// terminal or console delivers (FHostInputEvent) becomes the application's
// events, and each painted surface is drawn on it.
#pragma once

#include "Application/SlateEventSource.h"
#include "Rendering/SlateRenderer.h"

class IHostTerminal;
struct FHostInputEvent;

class FTerminalFrontEnd : public ISlateEventSource, public ISlateRenderer
{
public:
	explicit FTerminalFrontEnd(IHostTerminal& InTerminal) : Terminal(InTerminal) {}

	/** The next event; false once the terminal's input has ended or a stop signal came. */
	bool WaitForNextEvent(FSlateEvent& OutEvent) override;
	void Present(const FSlateSurface& Surface) override;

	/** The application's event for one input of the terminal; false for the end of the input. */
	static bool MakeEvent(const FHostInputEvent& Input, FSlateEvent& OutEvent);

private:
	IHostTerminal& Terminal;
};
