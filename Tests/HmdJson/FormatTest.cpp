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
	// character after many blocks still makes all of it UTF-16. Documents of a
	// mebibyte and more are read with the heap prepared for them.
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
