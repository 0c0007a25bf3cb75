#include "SlateTestHelpers.h"
#include "Text/CodePointString.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SWindow.h"

#include <variant>

using SlateTest::PaintAlone;
using SlateTest::Row;

namespace
{
	/** A key pressed with Control held. */
	struct FControl
	{
		FKey Key;
	};

	// One step of typing: a key name, a key with Control, or a character.
	using FStroke = std::variant<FKey, FControl, char32_t>;

	const FKey KeyA(TEXT("A"));
	const FKey KeyC(TEXT("C"));
	const FKey KeyE(TEXT("E"));
	const FKey KeyK(TEXT("K"));
	const FKey KeyU(TEXT("U"));
	const FKey KeyW(TEXT("W"));

	FReply Apply(SEditableTextBox& Box, const FStroke& Stroke)
	{
		if (const FKey* Key = std::get_if<FKey>(&Stroke))
		{
			return Box.OnKeyDown(FGeometry(), FKeyEvent(*Key));
		}
		if (const FControl* Chord = std::get_if<FControl>(&Stroke))
		{
			return Box.OnKeyDown(FGeometry(), FKeyEvent(Chord->Key, FModifierKeysState{false, true, false}));
		}
		return Box.OnKeyChar(FGeometry(), FCharacterEvent(std::get<char32_t>(Stroke)));
	}

	void ApplyAll(SEditableTextBox& Box, const TArray<FStroke>& Strokes)
	{
		for (const FStroke& Stroke : Strokes)
		{
			Apply(Box, Stroke);
		}
	}

	/** The stroke repeated Count times, then the strokes of Then. */
	TArray<FStroke> Times(int32 Count, const FStroke& Stroke, const TArray<FStroke>& Then = {})
	{
		TArray<FStroke> Strokes;
		for (int32 Step = 0; Step < Count; ++Step)
		{
			Strokes.Add(Stroke);
		}
		Strokes.Append(Then);
		return Strokes;
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
			.OnTextChanged_Lambda([&Log](const FText& /*Text*/) { ++Log.Changes; })
			.OnTextCommitted_Lambda([&Log](const FText& Text, ETextCommit::Type Kind) {
				Log.Texts.Add(Text.ToString());
				Log.Kinds.Add(Kind);
			});
	}

	/** The box's row when painted alone, Columns cells wide (brackets included). */
	std::string PaintRow(const TSharedRef<SEditableTextBox>& Box, int32 Columns)
	{
		return Row(PaintAlone(Box, Columns, 1), 0);
	}

	std::string Utf8(const char16_t* Text)
	{
		return StringConv::ToUtf8(FString(Text));
	}

	/** Strokes typed into a box holding Initial, and the text and cursor they leave. */
	struct FEditCase
	{
		const char* Name;
		const char16_t* Initial;
		TArray<FStroke> Strokes;
		const char16_t* Expected;
		int32 Cursor;
	};

	void ExpectEdits(std::initializer_list<FEditCase> Cases)
	{
		for (const FEditCase& Case : Cases)
		{
			const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(MakeText(Case.Initial));
			ApplyAll(*Box, Case.Strokes);
			EXPECT_EQ(Box->GetText().ToString(), FString(Case.Expected)) << Case.Name;
			EXPECT_EQ(Box->GetCursorIndex(), Case.Cursor) << Case.Name;
		}
	}
}

TEST(TextBox, Editing)
{
	ExpectEdits({
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
		{"left steps over a letter with its combining mark", u"ae\u0301", {EKeys::Left, U'|'}, u"a|e\u0301", 2},
		{"backspace removes a letter with its combining marks", u"ae\u0301\u0323", {EKeys::BackSpace}, u"a", 1},
		{"delete removes a letter with its combining mark", u"e\u0301b", {EKeys::Home, EKeys::Delete}, u"b", 0},
		{"a typed combining mark joins the letter before", u"e", {U'\u0301', EKeys::Left, U'|'}, u"|e\u0301", 1},
		{"control characters and surrogates are not typed", u"a", {U'\t', U'\x1B', U'\x7F', char32_t(0xD800), char32_t(0x110000)}, u"a", 1},
		{"keys the box does not know change nothing", u"a", {EKeys::Tab, EKeys::Escape, EKeys::Up}, u"a", 1},
	});
}

TEST(TextBox, EditingKeys)
{
	ExpectEdits({
		{"Ctrl+A goes to the start", u"abc", {FControl{KeyA}, U'x'}, u"xabc", 1},
		{"Ctrl+E goes to the end", u"abc", {EKeys::Home, FControl{KeyE}, U'x'}, u"abcx", 4},
		{"Ctrl+U deletes to the start", u"hello world", Times(5, EKeys::Left, {FControl{KeyU}}), u"world", 0},
		{"Ctrl+U at the start deletes nothing", u"abc", {EKeys::Home, FControl{KeyU}}, u"abc", 0},
		{"Ctrl+K deletes to the end", u"hello world", Times(5, EKeys::Left, {FControl{KeyK}}), u"hello ", 6},
		{"Ctrl+K at the end deletes nothing", u"abc", {FControl{KeyK}}, u"abc", 3},
		{"Ctrl+W deletes the word before the cursor", u"hmd name", {FControl{KeyW}}, u"hmd ", 4},
		{"Ctrl+W takes the separators before the word with it", u"hmd name  ", {FControl{KeyW}}, u"hmd ", 4},
		{"Ctrl+W in a word deletes only its part before the cursor", u"hmdname", Times(4, EKeys::Left, {FControl{KeyW}}), u"name", 0},
		{"Ctrl+W stops at punctuation", u"vive-pro", {FControl{KeyW}}, u"vive-", 5},
		{"Ctrl+W twice deletes two words", u"a b c", {FControl{KeyW}, FControl{KeyW}}, u"a ", 2},
		{"Ctrl+W over separators alone deletes to the start", u" -- ", {FControl{KeyW}}, u"", 0},
		{"Ctrl+W at the start deletes nothing", u"abc", {EKeys::Home, FControl{KeyW}}, u"abc", 0},
		{"letters of every script are word characters", u"J\u00FCrgen \u6587\u6863", {FControl{KeyW}}, u"J\u00FCrgen ", 7},
		{"CJK punctuation separates words", u"\u6587\u6863\u3002\u540D\u5B57", {FControl{KeyW}}, u"\u6587\u6863\u3002", 3},
		{"emoji separate words", u"ab\U0001F600cd", {FControl{KeyW}, FControl{KeyW}}, u"", 0},
		{"digits are word characters", u"HMD 2024", {FControl{KeyW}}, u"HMD ", 4},
		{"a combining mark belongs to its letter's word", u"x cafe\u0301", {FControl{KeyW}}, u"x ", 2},
		{"Ctrl+Left goes to the start of the word", u"one two three", {EKeys::Left, FControl{EKeys::Left}}, u"one two three", 8},
		{"Ctrl+Left skips separators first", u"one two  ", {FControl{EKeys::Left}}, u"one two  ", 4},
		{"Ctrl+Left stops at the start", u"one two", {FControl{EKeys::Left}, FControl{EKeys::Left}, FControl{EKeys::Left}}, u"one two", 0},
		{"Ctrl+Right goes to the end of the word", u"one two three", {EKeys::Home, FControl{EKeys::Right}}, u"one two three", 3},
		{"Ctrl+Right skips separators first", u"one, two", {EKeys::Home, FControl{EKeys::Right}, FControl{EKeys::Right}}, u"one, two", 8},
		{"Ctrl+Right stops at the end", u"one", {EKeys::Home, FControl{EKeys::Right}, FControl{EKeys::Right}}, u"one", 3},
		{"Ctrl+Right takes a combining mark with its letter", u"cafe\u0301 x", {EKeys::Home, FControl{EKeys::Right}}, u"cafe\u0301 x", 5},
		{"a letter key without Control types nothing", u"abc", {KeyU, KeyW, KeyA}, u"abc", 3},
		{"other Control chords change nothing", u"abc", {FControl{KeyC}, FControl{TEXT("Q")}}, u"abc", 3},
		{"BackSpace with Control held is BackSpace", u"abc", {FControl{EKeys::BackSpace}}, u"ab", 2},
	});
}

TEST(TextBox, KeysItDoesNotUseAreLeftToOthers)
{
	FCommitLog Log;
	const TSharedRef<SEditableTextBox> Box = MakeLoggedBox(Log, u"abc");
	for (const FStroke& Stroke : TArray<FStroke>{FControl{KeyC}, FControl{TEXT("Q")}, KeyA, EKeys::Tab, EKeys::Escape})
	{
		EXPECT_FALSE(Apply(*Box, Stroke).IsEventHandled());
	}
	for (const FStroke& Stroke : TArray<FStroke>{FControl{KeyA}, FControl{KeyE}, FControl{KeyU}, FControl{KeyK}, FControl{KeyW}, FControl{EKeys::Left}, FControl{EKeys::Right}})
	{
		EXPECT_TRUE(Apply(*Box, Stroke).IsEventHandled());
	}
	EXPECT_EQ(Log.Changes, 1) << "only Ctrl+U found text to delete";
	EXPECT_TRUE(Log.Kinds.IsEmpty());
}

TEST(TextBox, UnpairedSurrogatesSurviveUnchanged)
{
	const FString Odd(std::u16string(u"a") + char16_t(0xDC00) + u"b" + char16_t(0xD800));
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox);
	Box->SetText(FText::FromString(Odd));
	EXPECT_EQ(Box->GetText().ToString(), Odd);
	EXPECT_EQ(Box->GetCursorIndex(), 4);
	EXPECT_EQ(CodePointString::ToText(CodePointString::FromText(Odd)), Odd);
	EXPECT_EQ(PaintRow(Box, 8), "[a\uFFFDb\uFFFD__]") << "shown as replacement characters, one cell each";
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
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(MakeText(u"ab cd")).IsReadOnly(true).OnTextChanged_Lambda([&Log](const FText& /*Text*/) { ++Log.Changes; });
	ApplyAll(*Box, {EKeys::Left, U'x', EKeys::BackSpace, EKeys::Delete, FControl{KeyW}, FControl{KeyU}, FControl{KeyK}});
	EXPECT_FALSE(Box->OnPaste(FGeometry(), U"pasted").IsEventHandled());
	EXPECT_EQ(Box->GetText().ToString(), FString(u"ab cd"));
	EXPECT_EQ(Box->GetCursorIndex(), 4);
	ApplyAll(*Box, {FControl{KeyA}});
	EXPECT_EQ(Box->GetCursorIndex(), 0);
	ApplyAll(*Box, {FControl{EKeys::Right}});
	EXPECT_EQ(Box->GetCursorIndex(), 2);
	ApplyAll(*Box, {FControl{KeyE}});
	EXPECT_EQ(Box->GetCursorIndex(), 5);
	EXPECT_EQ(Log.Changes, 0);
}

TEST(TextBox, PasteInsertsAsTypedTextOnOneLine)
{
	struct FCase
	{
		const char* Name;
		const char16_t* Initial;
		TArray<FStroke> Strokes;
		std::u32string Pasted;
		const char16_t* Expected;
		int32 Cursor;
	};
	const FCase Cases[] = {
		{"inserted at the cursor", u"ad", {EKeys::Left}, U"bc", u"abcd", 3},
		{"each line break is one space, CR LF included", u"", {}, U"a\r\nb\nc\rd", u"a b c d", 7},
		{"two line breaks are two spaces", u"", {}, U"a\n\nb\r\n\r\n", u"a  b  ", 6},
		{"a tab is one space", u"x", {}, U"\ta\tb", u"x a b", 5},
		{"other line breaks are spaces too", u"", {}, U"a\u2028b\u2029c\x85" U"d\ve\ff", u"a b c d e f", 11},
		{"other control characters are dropped", u"", {}, U"a\x1B[31mb\x7F\x9B\x01", u"a[31mb", 6},
		{"surrogates and values outside Unicode are dropped", u"", {}, std::u32string(U"a") + char32_t(0xDC00) + char32_t(0x110000) + U"b", u"ab", 2},
		{"wide characters and marks are kept", u"", {}, U"\u6587e\u0301\U0001F600", u"\u6587e\u0301\U0001F600", 4},
		{"nothing to insert changes nothing", u"ab", {EKeys::Left}, U"\x1B\x07", u"ab", 1},
	};
	for (const FCase& Case : Cases)
	{
		FCommitLog Log;
		const TSharedRef<SEditableTextBox> Box = MakeLoggedBox(Log, Case.Initial);
		ApplyAll(*Box, Case.Strokes);
		EXPECT_TRUE(Box->OnPaste(FGeometry(), Case.Pasted).IsEventHandled()) << Case.Name;
		EXPECT_EQ(Box->GetText().ToString(), FString(Case.Expected)) << Case.Name;
		EXPECT_EQ(Box->GetCursorIndex(), Case.Cursor) << Case.Name;
		EXPECT_EQ(Log.Changes, FString(Case.Expected) == FString(Case.Initial) ? 0 : 1) << Case.Name << ": one change for the whole paste";
		EXPECT_TRUE(Log.Kinds.IsEmpty()) << Case.Name << ": a paste commits nothing";
	}
}

TEST(TextBox, ScrollsByCellsWithCutOffMarks)
{
	struct FStep
	{
		TArray<FStroke> Strokes;
		const char16_t* Expected;
	};
	struct FCase
	{
		const char* Name;
		const char16_t* Initial;
		int32 Columns;
		TArray<FStep> Steps;
	};
	const FCase Cases[] = {
		{"an empty box", u"", 10, {{{}, u"[________]"}}},
		{"text that fits is shown from its start", u"ab", 10, {{{}, u"[ab______]"}, {{EKeys::Home}, u"[ab______]"}}},
		{"the cursor after long text keeps a cell and the start is marked", u"abcdefghijkl", 10, {{{}, u"[<ghijkl_]"}}},
		{"at the start the end is marked", u"abcdefghijkl", 10, {{{EKeys::Home}, u"[abcdefg>]"}}},
		{"moving past the right edge scrolls just enough",
			u"abcdefghijkl", 10, {{{EKeys::Home}, u"[abcdefg>]"}, {Times(6, EKeys::Right), u"[abcdefg>]"}, {{EKeys::Right}, u"[<cdefgh>]"}, {{EKeys::Right}, u"[<defghi>]"}}},
		{"moving past the left edge scrolls just enough", u"abcdefghijkl", 10, {{{}, u"[<ghijkl_]"}, {{EKeys::Left}, u"[<ghijkl_]"}, {Times(5, EKeys::Left), u"[<ghijkl_]"}, {{EKeys::Left}, u"[<fghijkl]"}}},
		{"end scrolls back to the end", u"abcdefghijkl", 10, {{{EKeys::Home}, u"[abcdefg>]"}, {{EKeys::End}, u"[<ghijkl_]"}}},
		{"text as wide as the field shows whole while the cursor is on it", u"abcdefgh", 10, {{{EKeys::Home}, u"[abcdefgh]"}, {{EKeys::End}, u"[<cdefgh_]"}, {{EKeys::Left}, u"[<cdefgh_]"}}},
		{"deleting at the end keeps the field full", u"abcdefghijkl", 10, {{{}, u"[<ghijkl_]"}, {{EKeys::BackSpace}, u"[<fghijk_]"}, {Times(4, EKeys::BackSpace), u"[abcdefg_]"}}},
		{"typing at the start keeps the cursor in view", u"abcdefghijkl", 10, {{{EKeys::Home, U'x', U'y'}, u"[xyabcde>]"}}},
		{"backspace at the left edge keeps the shown characters in place", u"abcdefghijkl", 10, {{{}, u"[<ghijkl_]"}, {Times(6, EKeys::Left), u"[<ghijkl_]"}, {{EKeys::BackSpace}, u"[<ghijkl_]"}, {{FControl{KeyU}}, u"[ghijkl__]"}}},
		{"wide characters take two cells", u"\u6587\u6863", 10, {{{}, u"[\u6587\u6863____]"}}},
		{"a wide character that does not fit before the right mark is left out whole", u"ab\u6587\u6863\u6587\u6863", 10, {{{EKeys::Home}, u"[ab\u6587\u6863 >]"}}},
		{"a wide character is never cut at the left", u"ab\u6587\u6863\u6587\u6863", 10, {{{}, u"[<\u6863\u6587\u6863_]"}}},
		{"scrolling right by a wide character", u"ab\u6587\u6863\u6587\u6863", 10, {{{EKeys::Home, EKeys::Right, EKeys::Right, EKeys::Right, EKeys::Right}, u"[<\u6587\u6863\u6587>]"}}},
		{"wide text as wide as the field", u"\u6587\u6863\u6587\u6863", 10, {{{EKeys::Home}, u"[\u6587\u6863\u6587\u6863]"}, {{EKeys::End}, u"[<\u6863\u6587\u6863_]"}}},
		{"a wide last character that does not fit the mark cell", u"\u6587\u6863\u6587\u6863", 9, {{{EKeys::Home}, u"[\u6587\u6863\u6587>]"}}},
		{"emoji are wide", u"\U0001F600\u00E9", 6, {{{}, u"[\U0001F600\u00E9_]"}}},
		{"a combining mark takes no cell", u"cafe\u0301", 10, {{{}, u"[cafe\u0301____]"}}},
		{"a combining mark with nothing before it shows on a placeholder", u"\u0301a", 6, {{{}, u"[\u25CC\u0301a__]"}}},
		{"combining marks do not count in the scrolling", u"e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301", 8, {{{}, u"[<e\u0301e\u0301e\u0301e\u0301_]"}}},
		{"too narrow for marks", u"abcdef", 5, {{{}, u"[ef_]"}, {{EKeys::Home}, u"[abc]"}}},
		{"a wide character in a one-cell field", u"\u6587", 3, {{{EKeys::Home}, u"[_]"}, {{EKeys::End}, u"[_]"}}},
		{"no room at all", u"abc", 2, {{{}, u"[]"}}},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(MakeText(Case.Initial));
		int32 StepNumber = 0;
		for (const FStep& Step : Case.Steps)
		{
			ApplyAll(*Box, Step.Strokes);
			EXPECT_EQ(PaintRow(Box, Case.Columns), Utf8(Step.Expected)) << Case.Name << ", step " << ++StepNumber;
		}
	}
}

TEST(TextBox, ShortTextIsShownFromItsStartAgain)
{
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox);
	EXPECT_EQ(Box->GetDesiredSize(), FVector2D(22.0f * 8.0f, 16.0f)) << "20 characters and the brackets";
	Box->SetText(MakeText(u"abcdefghijkl"));
	EXPECT_EQ(PaintRow(Box, 10), "[<ghijkl_]");
	Box->SetText(MakeText(u"ab"));
	EXPECT_EQ(PaintRow(Box, 10), "[ab______]");
	// A field that grows shows more of the text before the cursor.
	Box->SetText(MakeText(u"abcdefghijkl"));
	EXPECT_EQ(PaintRow(Box, 10), "[<ghijkl_]");
	EXPECT_EQ(PaintRow(Box, 15), "[abcdefghijkl_]");
}

TEST(TextBox, AVeryLongTextShowsAroundTheCursor)
{
	const FString Long = FString(std::u16string(1000000, u'a') + u"\u6587z");
	const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(FText::FromString(Long));
	EXPECT_EQ(PaintRow(Box, 10), "[<aaa\u6587z_]");
	ApplyAll(*Box, {U'!', EKeys::Left, EKeys::BackSpace});
	EXPECT_EQ(PaintRow(Box, 10), "[<aaa\u6587!_]");
	ApplyAll(*Box, {EKeys::Home});
	EXPECT_EQ(PaintRow(Box, 10), "[aaaaaaa>]");
	EXPECT_EQ(Box->GetText().ToString().Len(), Long.Len());
}

TEST(TextBox, AClickPutsTheCursorByCell)
{
	struct FCase
	{
		const char* Name;
		const char16_t* Initial;
		TArray<FStroke> Strokes;
		int32 ClickedColumn;
		int32 Cursor;
	};
	// The boxes are 10 cells wide at the surface's left edge: the text area starts at column 1.
	const FCase Cases[] = {
		{"on a narrow character", u"a\u6587b", {}, 1, 0},
		{"on the left half of a wide character", u"a\u6587b", {}, 2, 1},
		{"on the right half of a wide character", u"a\u6587b", {}, 3, 1},
		{"on the character after a wide one", u"a\u6587b", {}, 4, 2},
		{"on a free cell", u"a\u6587b", {EKeys::Home}, 6, 3},
		{"on the closing bracket", u"a\u6587b", {EKeys::Home}, 9, 3},
		{"on the opening bracket", u"a\u6587b", {}, 0, 0},
		{"after a combining mark", u"e\u0301x", {}, 2, 2},
		{"on the left mark: the last hidden character", u"abcdefghijkl", {}, 1, 5},
		{"right of the left mark", u"abcdefghijkl", {}, 2, 6},
		{"on the right mark: the first hidden character", u"abcdefghijkl", {EKeys::Home}, 8, 7},
		{"on the cell of a left-out wide character", u"ab\u6587\u6863\u6587\u6863", {EKeys::Home}, 7, 4},
	};
	for (const FCase& Case : Cases)
	{
		const TSharedRef<SEditableTextBox> Box = SNew(SEditableTextBox).Text(MakeText(Case.Initial));
		ApplyAll(*Box, Case.Strokes);
		PaintRow(Box, 10);
		const FGeometry Geometry(FVector2D(), FCellMetrics::ToUnits(10, 1));
		EXPECT_TRUE(Box->OnMouseButtonDown(Geometry, FPointerEvent(Case.ClickedColumn, 0)).IsEventHandled()) << Case.Name;
		EXPECT_EQ(Box->GetCursorIndex(), Case.Cursor) << Case.Name;
	}
}

class TextBoxFocus : public SlateTest::FApplicationTest
{
protected:
	/** Opens a window holding two widgets one above the other; the first gets the focus. */
	TSharedRef<SWindow> ShowAboveEachOther(const TSharedRef<SWidget>& Top, const TSharedRef<SWidget>& Bottom)
	{
		const TSharedRef<SWindow> Window = SNew(SWindow).SizingRule(ESizingRule::Autosized)
			[
				SNew(SVerticalBox)
				+ SVerticalBox::Slot().AutoHeight()[Top]
				+ SVerticalBox::Slot().AutoHeight()[Bottom]
			];
		App().AddWindow(Window);
		return Window;
	}
};

TEST_F(TextBoxFocus, LosingTheFocusCommitsWithItsKind)
{
	FCommitLog Log;
	const TSharedRef<SEditableTextBox> First = MakeLoggedBox(Log, u"one");
	const TSharedRef<SEditableTextBox> Second = SNew(SEditableTextBox);
	const TSharedRef<SWindow> Window = ShowAboveEachOther(First, Second);
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

TEST_F(TextBoxFocus, TheFocusedBoxIsPaintedFocusedWithTheCursorByCell)
{
	const TSharedRef<SEditableTextBox> First = SNew(SEditableTextBox).Text(MakeText(u"\u6587\u6863x"));
	const TSharedRef<SEditableTextBox> Second = SNew(SEditableTextBox);
	const TSharedRef<SWindow> Window = ShowAboveEachOther(First, Second);
	const FCellRect FirstCells = SlateTest::FindGeometry(Window, Window->GetWindowGeometry(), *First)->GetCellRect();
	const FCellRect SecondCells = SlateTest::FindGeometry(Window, Window->GetWindowGeometry(), *Second)->GetCellRect();
	// The cells of a box that do not have a style, or "" when all of them have it.
	const auto CellsWithout = [this](const FCellRect& Cells, ESlateCellStyle Style)
	{
		const FSlateSurface& Surface = App().PaintToSurface();
		std::string Columns;
		for (int32 Column = Cells.Column; Column < Cells.GetRight(); ++Column)
		{
			if (Surface.GetCellData(Column, Cells.Row).Style != Style)
			{
				Columns += std::to_string(Column) + " ";
			}
		}
		return Columns;
	};
	EXPECT_EQ(CellsWithout(FirstCells, ESlateCellStyle::Focused), "") << "brackets and text area";
	EXPECT_EQ(CellsWithout(SecondCells, ESlateCellStyle::Normal), "");
	EXPECT_EQ(App().PaintToSurface().GetCursorColumn(), FirstCells.Column + 6) << "after two double-width characters and one narrow one";

	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Left));
	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Left));
	EXPECT_EQ(App().PaintToSurface().GetCursorColumn(), FirstCells.Column + 3) << "on the second double-width character";

	App().ProcessKeyDownEvent(FKeyEvent(EKeys::Tab));
	EXPECT_EQ(CellsWithout(FirstCells, ESlateCellStyle::Normal), "");
	EXPECT_EQ(CellsWithout(SecondCells, ESlateCellStyle::Focused), "");
}

TEST_F(TextBoxFocus, APasteThroughTheApplicationNeitherCommitsNorMovesTheFocus)
{
	FCommitLog Log;
	const TSharedRef<SEditableTextBox> Box = MakeLoggedBox(Log, u"HMD");
	ShowAboveEachOther(Box, SNew(SEditableTextBox));
	App().ProcessPasteEvent(U" one\r\ntwo\tthree\n");
	EXPECT_EQ(App().GetKeyboardFocusedWidget(), TSharedPtr<SWidget>(Box));
	EXPECT_EQ(Box->GetText().ToString(), FString(u"HMD one two three "));
	EXPECT_TRUE(Log.Kinds.IsEmpty());
	EXPECT_EQ(Log.Changes, 1);
}
