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

	/**
	 * True when the next event is already there and belongs with the last one
	 * (the rest of a typed line): the application then skips painting in
	 * between, so a long run of input costs in proportion to its length.
	 */
	virtual bool HasPendingEvents() const { return false; }
};
