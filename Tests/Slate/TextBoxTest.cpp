#include "SlateTestHelpers.h"
#include "Text/CodePointString.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SWindow.h"

#include <variant>

namespace
{
	// One step of typing: a key name or a character.
	using FStroke = std::variant<FKey, char32_t>;

	void Apply(SEditableTextBox& Box, const FStroke& Stroke)
	{
		if (const FKey* Key = std::get_if<FKey>(&Stroke))
		{
			Box.OnKeyDown(FGeometry(), FKeyEvent(*Key));
		}
		else
		{
			Box.OnKeyChar(FGeometry(), FCharacterEvent(std::get<char32_t>(Stroke)));
		}
	}

	FText MakeText(const char16_t* Text) { return FText::FromString(FString(Text)); }

	struct FCommitLog
	{
		TArray<FString> Texts;
		TArray<ETextCommit::Type> Kinds;
		int32 Changes = 0;
	};

	TSharedRef<SEditableTextBox> MakeLoggedBox(FCommitLog& Log, const char16_t* Initial = u"")
	{
		return SNew(SEditableTextBox)
			.Text(MakeText(Initial))
			.OnTextChanged_Lambda([&Log](const FText&) { ++Log.Changes; })
			.OnTextCommitted_Lambda([&Log](const FText& Text, ETextCommit::Type Kind) {
				Log.Texts.Add(Text.ToString());
				Log.Kinds.Add(Kind);
			});
	}
}

TEST(TextBox, Editing)
{
	struct FCase
	{
		const char* Name;
		const char16_t* Initial;
		TArray<FStroke> Strokes;
		const char16_t* Expected;
		int32 Cursor;
	};
	const FCase Cases[] = {
		{"typing appends at the end", u"ab", {U'c', U'd'}, u"abcd", 4},
		{"insert in the middle", u"ad", {EKeys::Left, U'b', U'c'}, u"abcd", 3},
		{"backspace before the cursor", u"abc", {EKeys::Left, EKeys::BackSpace}, u"ac", 1},
		{"delete after the cursor", u"abc", {EKeys::Home, EKeys::Delete}, u"bc", 0},
		{"backspace at the start does nothing", u"abc", {EKeys::Home, EKeys::BackSpace}, u"abc", 0},
		{"delete at the end does nothing", u"abc", {EKeys::Delete}, u"abc", 3},
		{"home then end", u"abc", {EKeys::Home, U'x', EKeys::End, U'y'}, u"xabcy", 5},
		{"left stops at the start", u"a", {EKeys::Left, EKeys::Left, EKeys::Left, U'z'}, u"za", 1},
		{"right stops at the end", u"a", {EKeys::Right, EKeys::Right, U'z'}, u"az", 2},
		{"non-ASCII characters", u"", {U'\u00E9', U'\u4E2D', U' '}, u"\u00E9\u4E2D ", 3},
		{"an astral character is one step", u"a\U0001F600b", {EKeys::Left, EKeys::Left, U'|'}, u"a|\U0001F600b", 2},
		{"backspace removes a whole astral character", u"a\U0001F600", {EKeys::BackSpace}, u"a", 1},
		{"control characters and surrogates are not typed", u"a", {U'\t', U'\x1B', U'\x7F', char32_t(0xD800), char32_t(0x110000)}, u"a", 1},
		{"keys the box does not know change nothing", u"a", {EKeys::Tab, EKeys::Escape, EKeys::Up}, u"a", 1},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(MakeText(Case.Initial));
		for (const FStroke& Stroke : Case.Strokes)
		{
			Apply(*Box, Stroke);
		}
		EXPECT_EQ(Box->GetText().ToString(), FString(Case.Expected)) << Case.Name;
		EXPECT_EQ(Box->GetCursorIndex(), Case.Cursor) << Case.Name;
	}
}

TEST(TextBox, UnpairedSurrogatesSurviveUnchanged)
{
	const FString Odd(std::u16string(u"a") + char16_t(0xDC00) + u"b" + char16_t(0xD800));
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox);
	Box->SetText(FText::FromString(Odd));
	EXPECT_EQ(Box->GetText().ToString(), Odd);
	EXPECT_EQ(Box->GetCursorIndex(), 4);
	EXPECT_EQ(CodePointString::ToText(CodePointString::FromText(Odd)), Odd);
}

TEST(TextBox, EnterCommitsAndSetTextRaisesNothing)
{
	FCommitLog Log;
	const TSharedRef<SEditableTextBox> Box = MakeLoggedBox(Log, u"x");
	Box->SetText(MakeText(u"HMD1"));
	EXPECT_EQ(Box->GetCursorIndex(), 4) << "SetText puts the cursor at the end";
	EXPECT_EQ(Log.Changes, 0);
	EXPECT_TRUE(Log.Kinds.IsEmpty());

	Apply(*Box, U'2');
	EXPECT_EQ(Log.Changes, 1);
	EXPECT_EQ(Box->GetText().ToString(), FString(u"HMD12")) << "typed but not committed text is readable";
	EXPECT_TRUE(Box->OnKeyDown(FGeometry(), FKeyEvent(EKeys::Enter)).IsEventHandled());
	ASSERT_EQ(Log.Kinds.Num(), 1);
	EXPECT_EQ(Log.Kinds[0], ETextCommit::OnEnter);
	EXPECT_EQ(Log.Texts[0], FString(u"HMD12"));
}

TEST(TextBox, ReadOnlyMovesButDoesNotEdit)
{
	FCommitLog Log;
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(MakeText(u"ab")).IsReadOnly(true).OnTextChanged_Lambda([&Log](const FText&) { ++Log.Changes; });
	for (const FStroke& Stroke : TArray<FStroke>{EKeys::Left, U'x', EKeys::BackSpace, EKeys::Delete})
	{
		Apply(*Box, Stroke);
	}
	EXPECT_EQ(Box->GetText().ToString(), FString(u"ab"));
	EXPECT_EQ(Box->GetCursorIndex(), 1);
	EXPECT_EQ(Log.Changes, 0);
}

class TextBoxFocus : public SlateTest::FApplicationTest
{
};

TEST_F(TextBoxFocus, LosingTheFocusCommitsWithItsKind)
{
	FCommitLog Log;
	const TSharedRef<SEditableTextBox> First = MakeLoggedBox(Log, u"one");
	const TSharedRef<SEditableTextBox> Second = SNew(SEditableTextBox);
	const TSharedRef<SWindow> Window = SNew(SWindow).SizingRule(ESizingRule::Autosized)
		[
			SNew(SVerticalBox)
			+ SVerticalBox::Slot().AutoHeight()[First]
			+ SVerticalBox::Slot().AutoHeight()[Second]
		];
	App().AddWindow(Window);
	ASSERT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(First)) << "a new window focuses its first focusable widget";

	App().ProcessKeyCharEvent(FCharacterEvent(U'!'));
	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Tab));
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Second));
	ASSERT_EQ(Log.Kinds.Num(), 1);
	EXPECT_EQ(Log.Kinds[0], ETextCommit::OnUserMovedFocus);
	EXPECT_EQ(Log.Texts[0], FString(u"one!"));

	// A click moves the focus back; clearing it commits as cleared.
	const FCellRect FirstCells = SlateTest::FindGeometry(Window, Window->GetWindowGeometry(), *First)->GetCellRect();
	App().ProcessMouseButtonDownEvent(FPointerEvent(FirstCells.Column + 2, FirstCells.Row));
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(First));
	EXPECT_EQ(First->GetCursorIndex(), 1) << "the click put the cursor at the clicked cell";
	App().ClearKeyboardFocus();
	ASSERT_EQ(Log.Kinds.Num(), 2);
	EXPECT_EQ(Log.Kinds[1], ETextCommit::OnCleared);
}
