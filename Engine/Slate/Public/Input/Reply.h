// FReply: whether a widget handled an input event. An unhandled event goes on
// to the widget's parent.
#pragma once

class FReply
{
public:
	static FReply Handled() { return FReply(true); }
	static FReply Unhandled() { return FReply(false); }

	bool IsEventHandled() const { return bHandled; }

private:
	explicit FReply(bool bInHandled) : bHandled(bInHandled) {}
	bool bHandled;
};
