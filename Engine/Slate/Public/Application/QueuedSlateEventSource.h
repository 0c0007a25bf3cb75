// FQueuedSlateEventSource: an event source that hands out events queued in
// advance, in order, and reports the end of input once the queue is empty.
#pragma once

#include "Application/SlateEvent.h"
#include "Application/SlateEventSource.h"
#include "Containers/UnrealString.h"
#include "SlateApi.h"

#include <deque>

class SLATE_API FQueuedSlateEventSource : public ISlateEventSource
{
public:
	void Push(FSlateEvent Event);
	void PushKeyDown(const FKey& Key, const FModifierKeysState& Modifiers = FModifierKeysState());
	void PushCharacter(char32_t Character);
	/** One character event per code point of Text. */
	void PushText(const FString& Text);
	void PushMouseButtonDown(int32 Column, int32 Row);
	void PushResize(int32 Columns, int32 Rows);
	void PushAction(std::function<void()> Action);

	int32 NumPending() const { return static_cast<int32>(Pending.size()); }

	bool WaitForNextEvent(FSlateEvent& OutEvent) override;

private:
	std::deque<FSlateEvent> Pending;
};
