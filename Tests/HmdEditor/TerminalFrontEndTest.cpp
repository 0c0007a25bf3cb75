#include "HmdEditor/FrontEnd/TerminalFrontEnd.h"

#include "Application/SlateEvent.h"
#include "HmdEditor/Input/HostInput.h"

#include <gtest/gtest.h>

namespace
{
	FHostInputEvent Input(FHostInputEvent::EKind Kind)
	{
		FHostInputEvent Event;
		Event.Kind = Kind;
		Event.Click = FHostMouseClick{7, 3};
		Event.Text = U"a\tb";
		Event.Columns = 80;
		Event.Rows = 24;
		return Event;
	}
}

TEST(TerminalFrontEnd, TurnsTerminalInputIntoApplicationEvents)
{
	struct FCase { const char* Description; FHostInputEvent::EKind Kind; FSlateEvent::EType Expected; int32 Column; int32 Row; };
	const FCase Cases[] = {
		{"a click at its cell", FHostInputEvent::EKind::MouseClick, FSlateEvent::EType::MouseButtonDown, 7, 3},
		{"motion onto a cell", FHostInputEvent::EKind::MouseMove, FSlateEvent::EType::MouseMove, 7, 3},
		{"a new size", FHostInputEvent::EKind::Resize, FSlateEvent::EType::Resize, 80, 24},
	};
	for (const FCase& Case : Cases)
	{
		FSlateEvent Event;
		ASSERT_TRUE(FTerminalFrontEnd::MakeEvent(Input(Case.Kind), Event)) << Case.Description;
		EXPECT_EQ(Event.Type, Case.Expected) << Case.Description;
		EXPECT_EQ(Event.Column, Case.Column) << Case.Description;
		EXPECT_EQ(Event.Row, Case.Row) << Case.Description;
	}
}

TEST(TerminalFrontEnd, PastedTextArrivesAsItCame)
{
	FSlateEvent Event;
	ASSERT_TRUE(FTerminalFrontEnd::MakeEvent(Input(FHostInputEvent::EKind::Paste), Event));
	EXPECT_EQ(Event.Type, FSlateEvent::EType::Paste);
	EXPECT_EQ(Event.Text, U"a\tb");
}

TEST(TerminalFrontEnd, CtrlCIsAKeyPressOfC)
{
	FHostInputEvent Press = Input(FHostInputEvent::EKind::KeyPress);
	Press.Key = FHostKeyPress::Char(U'c');
	Press.Key.bControl = true;
	FSlateEvent Event;
	ASSERT_TRUE(FTerminalFrontEnd::MakeEvent(Press, Event));
	EXPECT_EQ(Event.Type, FSlateEvent::EType::KeyDown);
	EXPECT_EQ(Event.Key, FKey(TEXT("C")));
	EXPECT_TRUE(Event.Modifiers.bCtrl);
}

TEST(TerminalFrontEnd, TheEndOfInputEndsTheEvents)
{
	FSlateEvent Event;
	EXPECT_FALSE(FTerminalFrontEnd::MakeEvent(Input(FHostInputEvent::EKind::EndOfInput), Event));
}
