// ISlateEventSource: where the application's event loop gets its input from
// (a terminal, a script, a test's queue).
#pragma once

struct FSlateEvent;

class ISlateEventSource
{
public:
	virtual ~ISlateEventSource() = default;

	/** Waits for the next event; false when the input has ended. */
	virtual bool WaitForNextEvent(FSlateEvent& OutEvent) = 0;
};
