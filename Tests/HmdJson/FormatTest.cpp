// End-to-end tests of "hmd-json format" writing to standard output: the
// saved bytes for every input encoding, the reader's errors, inputs that
// cannot be read, and the heap under limits.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(HmdJson, FormatsEveryInputEncodingToTheSavedBytes)
{
	struct FCase { const char* Name; std::string Input; std::string Output; };
	const std::string NonAsciiOutput = Utf16LeWithMark("{\r\n\t\"SubjectName\": \"", u'\u00e9', "\"\r\n}");
	const FCase Cases[] = {
		{"compact ASCII", "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}", SettingsText},
		{"already formatted", SettingsText, SettingsText},
		{"UTF-8 mark", "\xEF\xBB\xBF{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}", SettingsText},
		{"UTF-16LE mark", Utf16LeWithMark("{\"SubjectName\":\"HMD1\",\"EnableLogging\":tru", u'e', "}"), SettingsText},
		{"UTF-16BE mark", std::string("\xFE\xFF\0{\0}", 6), "{\r\n}"},
		{"UTF-8 without mark", "{ \"SubjectName\" : \"\xC3\xA9\" }", NonAsciiOutput},
		{"single bytes", "{\"SubjectName\":\"\xE9\"}", NonAsciiOutput},
		{"escapes", "{\"a\":\"\\u00e9\"}", Utf16LeWithMark("{\r\n\t\"a\": \"", u'\u00e9', "\"\r\n}")},
		{"numbers", "{\"n\":[1E+05,-0,0.1]}", "{\r\n\t\"n\": [ 100000, -0, 0.10000000000000001 ]\r\n}"},
		{"an escaped ASCII character stays one byte", "{\"a\":\"\\u0041\"}", "{\r\n\t\"a\": \"A\"\r\n}"},
		{"a repeated key's replaced wide value is not written either", "{\"a\":\"\\u00e9\",\"a\":\"b\"}", "{\r\n\t\"a\": \"b\"\r\n}"},
	};
	for (const FCase& Case : Cases)
	{
		const FRun Run = Format(Case.Input);
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Out, Case.Output) << Case.Name;
		EXPECT_EQ(Run.Err, "") << Case.Name;
	}
}

TEST(HmdJson, ALargeDocumentIsUtf16WhereverItsFirstWideCharacterComes)
{
	// The output is written as it is formatted, in blocks of a mebibyte: a wide
	// character after many blocks still makes all of it UTF-16.
	struct FCase { const char* Name; std::string Before; std::string After; };
	const std::string Long(700000, 'a');
	const FCase Cases[] = {
		{"first", "", Long},
		{"in the middle", Long, Long},
		{"last", Long, ""},
	};
	for (const FCase& Case : Cases)
	{
		const FRun Run = Format("{\"k\":\"" + Case.Before + "\xC3\xA9" + Case.After + "\"}");
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Out, Utf16LeWithMark("{\r\n\t\"k\": \"" + Case.Before, u'\u00e9', Case.After + "\"\r\n}")) << Case.Name;
	}

	const FRun Ascii = Format("{\"k\":\"" + Long + "\"}");
	EXPECT_EQ(Ascii.ExitCode, 0);
	EXPECT_EQ(Ascii.Out, "{\r\n\t\"k\": \"" + Long + "\"\r\n}");
}

TEST(HmdJson, ReportsWhyTheSettingsModuleWouldNotLoadTheFile)
{
	struct FCase { std::string Input; std::string Error; };
	const FCase Cases[] = {
		{"{\"a\" 1}", "Colon token expected, but not found. Line: 1 Ch: 6"},
		{"", "Null Stream Line: 1 Ch: 0"},
		{"{\n\t\"SubjectName\": \"HMD1\",\n}", "String token expected, but not found. Line: 3 Ch: 1"},
		{"[1]", "The JSON root is not an object."},
	};
	for (const FCase& Case : Cases)
	{
		const FRun Run = Format(Case.Input);
		EXPECT_EQ(Run.ExitCode, 1) << Case.Input;
		EXPECT_EQ(Run.Out, "") << Case.Input;
		EXPECT_EQ(Run.Err, Case.Error) << Case.Input;
	}
}

TEST(HmdJson, SurvivesAMillionNestedArrays)
{
	const FRun Run = Format(std::string(1000000, '[') + std::string(1000000, ']'));
	EXPECT_EQ(Run.ExitCode, 1);
	EXPECT_EQ(Run.Err, "The JSON root is not an object.");
}

TEST(HmdJson, StreamsADocumentWhoseTextGrowsWithTheSquareOfItsDepth)
{
	// Each of the Depth nested arrays opens and closes on a line of its own,
	// indented by its depth: the text is 13 + 6 (Depth - 1) + Depth^2
	// characters for a document of about 2 Depth bytes. The text is written
	// as it is made, so the program's memory follows the tree, not the text:
	// under an address-space limit far below the text's size it still
	// writes all of it. (The sanitizers' shadow memory does not fit in such
	// a limit; there the text is only checked.)
	constexpr size_t Depth = 6000;
	const std::string Input = "{\"x\":" + std::string(Depth, '[') + std::string(Depth, ']') + "}";
#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
	const std::string Limit = "ulimit -v 40000; ";
#else
	const std::string Limit;
#endif
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, Input);
	const FRun Run = RunProgram("format " + InputPath, Limit);
	EXPECT_EQ(Run.ExitCode, 0);
	EXPECT_EQ(Run.Err, "");
	ASSERT_EQ(Run.Out.size(), 13 + 6 * (Depth - 1) + Depth * Depth);
	EXPECT_EQ(Run.Out.substr(0, 17), "{\r\n\t\"x\": [\r\n\t\t[\r\n");
	EXPECT_EQ(Run.Out.substr(Run.Out.size() - 13), "]\r\n\t\t]\r\n\t]\r\n}");
	std::filesystem::remove(InputPath);
}

TEST(HmdJson, FormatsATreeBigEnoughForLargeRegionsWithoutLeakReports)
{
	// Past its first few thousand values a tree is carved out of large
	// regions. Under the sanitizers the leak checker runs as the program
	// exits and fails it on any report, so this checks that the values kept
	// in the regions are seen as reachable.
	std::string Input = "{\"a\":[";
	std::string Expected = "{\r\n\t\"a\": [ ";
	for (int Index = 0; Index < 20000; ++Index)
	{
		const std::string Number = std::to_string(Index);
		Input += (Index == 0 ? "" : ",") + Number;
		Expected += (Index == 0 ? "" : ", ") + Number;
	}
	Input += "]}";
	Expected += " ]\r\n}";
	const FRun Run = Format(Input);
	EXPECT_EQ(Run.ExitCode, 0);
	EXPECT_EQ(Run.Err, "");
	EXPECT_EQ(Run.Out, Expected);
}

TEST(HmdJson, NamesTheFileItCannotRead)
{
	const std::string Missing = FileStem() + "_missing.json";
	const FRun MissingRun = RunProgram("format " + Missing);
	EXPECT_EQ(MissingRun.ExitCode, 2);
	EXPECT_NE(MissingRun.Err.find(Missing), std::string::npos) << MissingRun.Err;
	EXPECT_EQ(MissingRun.Out, "");

	const std::string Folder = FileStem() + "_folder";
	std::filesystem::create_directories(Folder);
	const FRun FolderRun = RunProgram("format " + Folder);
	EXPECT_EQ(FolderRun.ExitCode, 2);
	EXPECT_NE(FolderRun.Err.find(Folder), std::string::npos) << FolderRun.Err;
}

// Limiting the address space needs a POSIX shell, and the sanitizers' shadow
// memory does not fit in a small one.
#if !defined(_WIN32) && !defined(__SANITIZE_ADDRESS__)
TEST(HmdJson, SaysSoWhenADocumentNeedsMoreMemoryThanItMayHave)
{
	// Under a 40 MB address-space limit the program runs, but the text and
	// tree of an 8 MB document do not fit.
	const std::string Limit = "ulimit -v 40000; ";
	const std::string SmallPath = FileStem() + "_small.json";
	WriteFileBytes(SmallPath, "{\"a\":1}");
	EXPECT_EQ(RunProgram("format " + SmallPath, Limit).ExitCode, 0);

	std::string Big = "{\"k\":[";
	const std::string Item = "\"" + std::string(60, 'x') + "\",";
	for (int Index = 0; Index < 130000; ++Index)
	{
		Big += Item;
	}
	Big += "1]}";
	const std::string BigPath = FileStem() + "_big.json";
	WriteFileBytes(BigPath, Big);
	const FRun Run = RunProgram("format " + BigPath, Limit);
	EXPECT_EQ(Run.ExitCode, 2);
	EXPECT_EQ(Run.Err, "hmd-json: not enough memory to format '" + BigPath + "'");
	std::filesystem::remove(BigPath);
}
#endif
