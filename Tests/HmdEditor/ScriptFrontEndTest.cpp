#include "HmdEditor/Input/SlateInputEvents.h"
#include "HmdEditor/Script/ScriptFrontEnd.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(ScriptFrontEnd, ScreenTrimsTrailingSpacesAndEndsWithTheMarker)
{
	FSlateSurface Surface(8, 3);
	Surface.DrawText(2, 0, U"ab");
	Surface.DrawText(0, 2, U"\u00D6\u6587 x");
	EXPECT_EQ(FormatScreen(Surface), "  ab\n\n\xC3\x96\xE6\x96\x87 x\n--- end of screen ---\n");
}

TEST(ScriptFrontEnd, HandsOutPressesInOrderPrintsScreensAndEnds)
{
	TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript("key Tab F10\nscreen\ntype a\nquit\nkey Enter\n");
	ASSERT_TRUE(Parsed.HasValue());
	TArray<FScriptCommand> Commands = Parsed.StealValue();

	std::FILE* Output = std::tmpfile();
	ASSERT_NE(Output, nullptr);
	int32 Quits = 0;
	FScriptFrontEnd Source(std::move(Commands), [&Quits]() { ++Quits; }, Output);
	FSlateSurface Surface(4, 1);
	Surface.DrawText(0, 0, U"hi");
	Source.Present(Surface);

	FSlateEvent Event;
	EXPECT_FALSE(Source.HasPendingEvents()) << "the screen is painted before a line starts";
	ASSERT_TRUE(Source.WaitForNextEvent(Event));
	EXPECT_EQ(Event.Type, FSlateEvent::EType::KeyDown);
	EXPECT_EQ(Event.Key, EKeys::Tab);
	EXPECT_TRUE(Source.HasPendingEvents()) << "no painting between the presses of one line";
	ASSERT_TRUE(Source.WaitForNextEvent(Event));
	EXPECT_EQ(Event.Key, EKeys::F10);
	EXPECT_FALSE(Source.HasPendingEvents()) << "the screen is painted after the line's last press";
	EXPECT_EQ(std::ftell(Output), 0L) << "nothing printed before the screen action is reached";

	ASSERT_TRUE(Source.WaitForNextEvent(Event));
	EXPECT_EQ(Event.Type, FSlateEvent::EType::KeyChar);
	EXPECT_EQ(Event.Character, U'a');
	std::rewind(Output);
	char Printed[64] = {};
	EXPECT_EQ(std::fread(Printed, 1, sizeof(Printed) - 1, Output), 25u);
	EXPECT_STREQ(Printed, "hi\n--- end of screen ---\n");

	ASSERT_TRUE(Source.WaitForNextEvent(Event));
	ASSERT_EQ(Event.Type, FSlateEvent::EType::Action);
	Event.Action();
	EXPECT_EQ(Quits, 1);

	ASSERT_TRUE(Source.WaitForNextEvent(Event));
	EXPECT_EQ(Event.Key, EKeys::Enter);
	EXPECT_FALSE(Source.WaitForNextEvent(Event)) << "the end of the script ends the input";
	EXPECT_FALSE(Source.WaitForNextEvent(Event));
	std::fclose(Output);
}

TEST(SlateInputEvents, KeysModifiedLettersAndCharactersBecomeTheRightEvents)
{
	FHostKeyPress CtrlQ = FHostKeyPress::Char(U'q');
	CtrlQ.bControl = true;
	FHostKeyPress AltO = FHostKeyPress::Char(U'o');
	AltO.bAlt = true;
	FHostKeyPress ShiftTab = FHostKeyPress::Named(EHostKey::Tab);
	ShiftTab.bShift = true;

	struct FCase { FHostKeyPress Press; FSlateEvent::EType Type; FKey Key; FModifierKeysState Modifiers; char32_t Character; };
	const FCase Cases[] = {
		{FHostKeyPress::Named(EHostKey::Enter), FSlateEvent::EType::KeyDown, EKeys::Enter, {}, 0},
		{FHostKeyPress::Named(EHostKey::Backspace), FSlateEvent::EType::KeyDown, EKeys::BackSpace, {}, 0},
		{FHostKeyPress::Named(EHostKey::F9), FSlateEvent::EType::KeyDown, EKeys::F9, {}, 0},
		{FHostKeyPress::Named(EHostKey::F12), FSlateEvent::EType::KeyDown, EKeys::F12, {}, 0},
		{ShiftTab, FSlateEvent::EType::KeyDown, EKeys::Tab, {true, false, false}, 0},
		{CtrlQ, FSlateEvent::EType::KeyDown, FKey(TEXT("Q")), {false, true, false}, 0},
		{AltO, FSlateEvent::EType::KeyDown, FKey(TEXT("O")), {false, false, true}, 0},
		{FHostKeyPress::Char(U'q'), FSlateEvent::EType::KeyChar, FKey(), {}, U'q'},
		{FHostKeyPress::Char(U'\U0001F600'), FSlateEvent::EType::KeyChar, FKey(), {}, U'\U0001F600'},
		{FHostKeyPress::Char(U' '), FSlateEvent::EType::Action, FKey(), {}, 0},
	};
	for (const FCase& Case : Cases)
	{
		const FSlateEvent Event = MakeSlateEvent(Case.Press);
		EXPECT_EQ(Event.Type, Case.Type);
		EXPECT_EQ(Event.Key, Case.Key);
		EXPECT_EQ(Event.Modifiers, Case.Modifiers);
		EXPECT_EQ(Event.Character, Case.Character);
	}
}
