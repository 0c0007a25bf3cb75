#include "Terminal/TerminalEventSource.h"

#include "Input/SlateInputEvents.h"
#include "Terminal/TerminalScreen.h"

bool FTerminalEventSource::WaitForNextEvent(FSlateEvent& OutEvent)
{
	const FHostInputEvent Input = Screen.ReadInput();
	switch (Input.Kind)
	{
	case FHostInputEvent::EKind::KeyPress:
		OutEvent = MakeSlateEvent(Input.Key);
		return true;
	case FHostInputEvent::EKind::MouseClick:
		OutEvent = FSlateEvent::MakeMouseButtonDown(Input.Click.Column, Input.Click.Row);
		return true;
	case FHostInputEvent::EKind::MouseMove:
		OutEvent = FSlateEvent::MakeMouseMove(Input.Click.Column, Input.Click.Row);
		return true;
	case FHostInputEvent::EKind::Paste:
		OutEvent = FSlateEvent::MakePaste(Input.Text);
		return true;
	case FHostInputEvent::EKind::Resize:
		OutEvent = FSlateEvent::MakeResize(Input.Columns, Input.Rows);
		return true;
	case FHostInputEvent::EKind::EndOfInput:
		break;
	}
	return false;
}

void FTerminalEventSource::Present(const FSlateSurface& Surface)
{
	Screen.Present(Surface);
}
