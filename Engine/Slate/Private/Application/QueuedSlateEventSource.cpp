#include "Application/QueuedSlateEventSource.h"

#include "Text/CodePointString.h"

void FQueuedSlateEventSource::Push(FSlateEvent Event)
{
	Pending.push_back(std::move(Event));
}

void FQueuedSlateEventSource::PushKeyDown(const FKey& Key, const FModifierKeysState& Modifiers)
{
	Push(FSlateEvent::MakeKeyDown(Key, Modifiers));
}

void FQueuedSlateEventSource::PushCharacter(char32_t Character)
{
	Push(FSlateEvent::MakeKeyChar(Character));
}

void FQueuedSlateEventSource::PushText(const FString& Text)
{
	for (const char32_t Character : CodePointString::FromText(Text))
	{
		PushCharacter(Character);
	}
}

void FQueuedSlateEventSource::PushMouseButtonDown(int32 Column, int32 Row)
{
	Push(FSlateEvent::MakeMouseButtonDown(Column, Row));
}

void FQueuedSlateEventSource::PushResize(int32 Columns, int32 Rows)
{
	Push(FSlateEvent::MakeResize(Columns, Rows));
}

void FQueuedSlateEventSource::PushAction(std::function<void()> Action)
{
	Push(FSlateEvent::MakeAction(std::move(Action)));
}

bool FQueuedSlateEventSource::WaitForNextEvent(FSlateEvent& OutEvent)
{
	if (Pending.empty())
	{
		return false;
	}
	OutEvent = std::move(Pending.front());
	Pending.pop_front();
	return true;
}
