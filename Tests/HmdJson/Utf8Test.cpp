// End-to-end tests of "hmd-json format --utf8": the same text as UTF-8,
// without a byte-order mark, every character kept.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <string>

TEST(HmdJsonUtf8, WritesTheSameTextAsUtf8)
{
	struct FCase { const char* Name; std::string Input; std::string Output; };
	const std::string Before = "{\r\n\t\"SubjectName\": \"";
	const std::string After = "\"\r\n}";
	const FCase Cases[] = {
		{"ASCII, as the saved form", "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}", SettingsText},
		{"two-byte character", "{\"SubjectName\":\"\xC3\xA9\"}", Before + "\xC3\xA9" + After},
		{"three-byte character from an escape", "{\"SubjectName\":\"\\u20ac\"}", Before + "\xE2\x82\xAC" + After},
		{"surrogate pair from escapes", "{\"SubjectName\":\"\\ud83d\\ude00\"}", Before + "\xF0\x9F\x98\x80" + After},
		{"unpaired high surrogate", "{\"SubjectName\":\"a\\ud800b\"}", Before + "a\xED\xA0\x80" "b" + After},
		{"unpaired low surrogate", "{\"SubjectName\":\"\\udc00\"}", Before + "\xED\xB0\x80" + After},
		{"UTF-16 input", Utf16LeWithMark("{\"SubjectName\":\"", u'\u00e9', "\"}"), Before + "\xC3\xA9" + After},
		{"one byte a character", "{\"SubjectName\":\"\xE9\"}", Before + "\xC3\xA9" + After},
		{"non-ASCII key", "{\"\xC3\xA9\":1}", "{\r\n\t\"\xC3\xA9\": 1\r\n}"},
	};
	const std::string InputPath = FileStem() + ".json";
	for (const FCase& Case : Cases)
	{
		WriteFileBytes(InputPath, Case.Input);
		const FRun Run = RunProgram("format --utf8 " + InputPath);
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Out, Case.Output) << Case.Name;
		EXPECT_EQ(Run.Err, "") << Case.Name;
	}
}

TEST(HmdJsonUtf8, AnInputThatDoesNotLoadGivesTheSameError)
{
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, "{\"a\" 1}");
	const FRun Run = RunProgram("format --utf8 " + InputPath);
	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_EQ(Run.Out, "");
	EXPECT_EQ(Run.Err, "Colon token expected, but not found. Line: 1 Ch: 6");
}

TEST(HmdJsonUtf8, ALargeDocumentGoesOutWhole)
{
	// Several output blocks of a mebibyte, with wide characters across their edges.
	std::string Value;
	for (int Index = 0; Index < 700000; ++Index)
	{
		Value += "\xE2\x82\xAC";
	}
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, "{\"k\":\"" + Value + "\"}");
	const FRun Run = RunProgram("format --utf8 " + InputPath);
	EXPECT_EQ(Run.ExitCode, 0);
	EXPECT_EQ(Run.Out, "{\r\n\t\"k\": \"" + Value + "\"\r\n}");
}
