#include "HmdEditor/Script/EditorScript.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace
{
	std::u32string TypedText(const FScriptCommand& Command)
	{
		std::u32string Text;
		for (const FHostKeyPress& Press : Command.Presses)
		{
			EXPECT_EQ(Press.Key, EHostKey::Character);
			Text.push_back(Press.Character);
		}
		return Text;
	}

	/** The one command a line of script gives; none, with the failure reported, when it gives an error or another count. */
	std::optional<FScriptCommand> ParseOneLine(const std::string& Line)
	{
		const TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript(Line);
		if (Parsed.HasError())
		{
			ADD_FAILURE() << Line << ": " << Parsed.GetError().Message;
			return std::nullopt;
		}
		if (Parsed.GetValue().Num() != 1)
		{
			ADD_FAILURE() << Line << ": " << Parsed.GetValue().Num() << " commands";
			return std::nullopt;
		}
		return Parsed.GetValue()[0];
	}
}

TEST(EditorScript, ReadsActionsAndSkipsBlankAndCommentLines)
{
	const char* const Script =
		"# open the settings window\n"
		"\n"
		"key F10 Right Right Right Right Enter\n"
		"   \t\n"
		"  # indented comment\n"
		"type HMD1\n"
		"screen\n"
		"quit";
	const TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript(Script);
	ASSERT_TRUE(Parsed.HasValue()) << Parsed.GetError().Message;
	const TArray<FScriptCommand>& Commands = Parsed.GetValue();
	ASSERT_EQ(Commands.Num(), 4);

	EXPECT_EQ(Commands[0].Action, EScriptAction::Press);
	EXPECT_EQ(Commands[0].Line, 3);
	ASSERT_EQ(Commands[0].Presses.Num(), 6);
	EXPECT_EQ(Commands[0].Presses[0], FHostKeyPress::Named(EHostKey::F10));
	EXPECT_EQ(Commands[0].Presses[5], FHostKeyPress::Named(EHostKey::Enter));

	EXPECT_EQ(Commands[1].Line, 6);
	EXPECT_EQ(TypedText(Commands[1]), U"HMD1");
	EXPECT_EQ(Commands[2].Action, EScriptAction::Screen);
	EXPECT_EQ(Commands[2].Line, 7);
	EXPECT_EQ(Commands[3].Action, EScriptAction::Quit);
	EXPECT_EQ(Commands[3].Line, 8);
}

TEST(EditorScript, TypesEverythingAfterTheFirstSpaceExactly)
{
	struct FCase { std::string Line; std::u32string Expected; };
	const FCase Cases[] = {
		{"type HMD1", U"HMD1"},
		{"type  two leading, trailing  ", U" two leading, trailing  "},
		{"type # not a comment", U"# not a comment"},
		{"type key F10", U"key F10"},
		{"type \xC3\x96" "ffentlich \xE6\x96\x87 \xF0\x9F\x98\x80", U"\u00D6ffentlich \u6587 \U0001F600"},
		{"type a\tb", U"a\tb"},
		{"type\tx", U"x"},
		{"type ", U""},
		{"type", U""},
		{"type windows line end\r", U"windows line end"},
	};
	for (const FCase& Case : Cases)
	{
		const std::optional<FScriptCommand> Command = ParseOneLine(Case.Line);
		ASSERT_TRUE(Command.has_value());
		EXPECT_EQ(TypedText(*Command), Case.Expected) << Case.Line;
	}
}

TEST(EditorScript, SleepsForWholeOrDecimalSeconds)
{
	using std::chrono::nanoseconds;
	struct FCase { const char* Line; nanoseconds Expected; };
	const FCase Cases[] = {
		{"sleep 0", nanoseconds(0)},
		{"sleep 2", nanoseconds(2'000'000'000)},
		{"sleep 0.5", nanoseconds(500'000'000)},
		{"sleep 1.25", nanoseconds(1'250'000'000)},
		{"sleep 0.000000001", nanoseconds(1)},
		{"sleep 007.000", nanoseconds(7'000'000'000)},
		{"sleep 3600", nanoseconds(3'600'000'000'000)},
		{"sleep 3600.000000000", nanoseconds(3'600'000'000'000)},
		{"  sleep\t 0.1  ", nanoseconds(100'000'000)},
		{"sleep 0.1\r", nanoseconds(100'000'000)},
	};
	for (const FCase& Case : Cases)
	{
		const std::optional<FScriptCommand> Command = ParseOneLine(Case.Line);
		ASSERT_TRUE(Command.has_value());
		EXPECT_EQ(Command->Action, EScriptAction::Sleep) << Case.Line;
		EXPECT_EQ(Command->Duration, Case.Expected) << Case.Line;
	}
}

TEST(EditorScript, RefusesSleepsThatAreNotAPlainDecimalUpToAnHour)
{
	struct FCase { const char* Description; const char* Argument; };
	const FCase Cases[] = {
		{"nothing", ""},
		{"past the hour", "3600.000000001"},
		{"far past the hour", "99999999999999999999999"},
		{"negative", "-1"},
		{"a plus sign", "+1"},
		{"no whole part", ".5"},
		{"no decimals after the point", "1."},
		{"ten decimals", "0.0000000001"},
		{"an exponent", "1e3"},
		{"a decimal comma", "0,5"},
		{"a unit", "5s"},
		{"two numbers", "1 2"},
		{"infinity", "inf"},
		{"not a number", "nan"},
		{"hexadecimal", "0x10"},
	};
	for (const FCase& Case : Cases)
	{
		const TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript(std::string("key Enter\nsleep ") + Case.Argument + "\n");
		ASSERT_TRUE(Parsed.HasError()) << Case.Description;
		const FScriptError& Error = Parsed.GetError();
		EXPECT_EQ(Error.Line, 2) << Case.Description;
		EXPECT_EQ(Error.Message, std::string("\"sleep\" wants SECONDS from 0 to 3600, written like 2 or 0.5, not \"") + Case.Argument + "\"")
			<< Case.Description;
	}
}

TEST(EditorScript, AcceptsWindowsLineEndsAndAByteOrderMark)
{
	const TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript("\xEF\xBB\xBFkey Tab\r\nscreen\r\n\r\nquit\r\n");
	ASSERT_TRUE(Parsed.HasValue()) << Parsed.GetError().Message;
	const TArray<FScriptCommand>& Commands = Parsed.GetValue();
	ASSERT_EQ(Commands.Num(), 3);
	EXPECT_EQ(Commands[0].Presses[0], FHostKeyPress::Named(EHostKey::Tab));
	EXPECT_EQ(Commands[1].Action, EScriptAction::Screen);
	EXPECT_EQ(Commands[2].Line, 4);
}

TEST(EditorScript, NamesTheFirstBadLineAndKeepsNoCommands)
{
	struct FCase { std::string Script; int32 Line; std::string Message; };
	const FCase Cases[] = {
		{"key F10\npress Enter\nkey Bogus\n", 2, "unknown action \"press\""},
		{"key F10\nkey Enter Bogus\n", 2, "unknown key name \"Bogus\""},
		{"# only a comment\nkey\n", 2, "\"key\" needs at least one key name"},
		{"key   \n", 1, "\"key\" needs at least one key name"},
		{"screen now\n", 1, "\"screen\" takes nothing after it"},
		{"quit 0\n", 1, "\"quit\" takes nothing after it"},
		{"Key Enter\n", 1, "unknown action \"Key\""},
		{"\n\ntype \xFF\n", 3, "the text to type is not valid UTF-8"},
	};
	for (const FCase& Case : Cases)
	{
		const TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript(Case.Script);
		ASSERT_TRUE(Parsed.HasError()) << Case.Script;
		const FScriptError& Error = Parsed.GetError();
		EXPECT_EQ(Error.Line, Case.Line) << Case.Script;
		EXPECT_EQ(Error.Message, Case.Message) << Case.Script;
	}
}

TEST(EditorScript, EmptyScriptHasNoCommands)
{
	for (const char* Script : {"", "\n\n", "# nothing\n"})
	{
		const TValueOrError<TArray<FScriptCommand>, FScriptError> Parsed = ParseEditorScript(Script);
		ASSERT_TRUE(Parsed.HasValue());
		EXPECT_TRUE(Parsed.GetValue().IsEmpty());
	}
}
