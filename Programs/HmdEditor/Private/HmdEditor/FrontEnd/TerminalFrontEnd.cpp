#include "HmdEditor/FrontEnd/TerminalFrontEnd.h"

#include "Application/SlateEvent.h"
#include "HmdEditor/FrontEnd/HostTerminal.h"
#include "HmdEditor/Input/SlateInputEvents.h"

bool FTerminalFrontEnd::WaitForNextEvent(FSlateEvent& OutEvent)
{
	return MakeEvent(Terminal.ReadInput(), OutEvent);
}

void FTerminalFrontEnd::Present(const FSlateSurface& Surface)
{
	Terminal.Present(Surface);
}

bool FTerminalFrontEnd::MakeEvent(const FHostInputEvent& Input, FSlateEvent& OutEvent)
{
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
