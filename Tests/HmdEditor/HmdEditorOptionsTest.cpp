#include "HmdEditorOptions.h"

#include <gtest/gtest.h>

TEST(HmdEditorOptions, DefaultsToTheTerminalAt100x30)
{
	FHmdEditorOptions Options;
	std::string Error;
	ASSERT_TRUE(ParseHmdEditorOptions({}, Options, Error));
	EXPECT_FALSE(Options.IsScripted());
	EXPECT_TRUE(Options.DocumentsFolder.empty());
	EXPECT_EQ(Options.Columns, 100);
	EXPECT_EQ(Options.Rows, 30);
	EXPECT_FALSE(Options.bShowHelp);
}

TEST(HmdEditorOptions, ReadsEachOptionInBothForms)
{
	struct FCase { TArray<std::string> Arguments; std::string Documents; std::string Script; int32 Columns; int32 Rows; bool bHelp; };
	const FCase Cases[] = {
		{{"--documents", "/tmp/docs"}, "/tmp/docs", "", 100, 30, false},
		{{"--documents=/tmp/a b"}, "/tmp/a b", "", 100, 30, false},
		{{"--script", "-"}, "", "-", 100, 30, false},
		{{"--script=run.txt", "--size", "80x24"}, "", "run.txt", 80, 24, false},
		{{"--size=20x5", "--script", "s"}, "", "s", 20, 5, false},
		{{"--script", "s", "--size", "1000x1000"}, "", "s", 1000, 1000, false},
		{{"--help"}, "", "", 100, 30, true},
		{{"-h", "--size", "80x24"}, "", "", 80, 24, true},
		{{"--documents", "d", "--documents", "e"}, "e", "", 100, 30, false},
	};
	for (const FCase& Case : Cases)
	{
		FHmdEditorOptions Options;
		std::string Error;
		ASSERT_TRUE(ParseHmdEditorOptions(Case.Arguments, Options, Error)) << Error;
		EXPECT_EQ(Options.DocumentsFolder, Case.Documents);
		EXPECT_EQ(Options.ScriptPath, Case.Script);
		EXPECT_EQ(Options.Columns, Case.Columns);
		EXPECT_EQ(Options.Rows, Case.Rows);
		EXPECT_EQ(Options.bShowHelp, Case.bHelp);
	}
}

TEST(HmdEditorOptions, RejectsBadArgumentsWithAClearMessage)
{
	struct FCase { TArray<std::string> Arguments; std::string Message; };
	const FCase Cases[] = {
		{{"--bogus"}, "unknown option --bogus"},
		{{"extra"}, "unexpected argument extra"},
		{{"-"}, "unexpected argument -"},
		{{"--script"}, "--script needs a value"},
		{{"--script="}, "--script needs a file, or - for standard input"},
		{{"--documents="}, "--documents needs a folder"},
		{{"--size", "80x24"}, "--size sets the size of the headless screen and needs --script; the terminal sets its own size"},
	};
	for (const FCase& Case : Cases)
	{
		FHmdEditorOptions Options;
		std::string Error;
		EXPECT_FALSE(ParseHmdEditorOptions(Case.Arguments, Options, Error));
		EXPECT_EQ(Error, Case.Message);
	}
}

TEST(HmdEditorOptions, RejectsSizesOutsideTheLimits)
{
	for (const char* Size : {"80", "80x", "x24", "80X24", "19x24", "80x4", "1001x24", "80x1001", "-80x24", "+80x24", "80x24x1", " 80x24",
			 "80 x24", "99999999999x24", "0x0"})
	{
		FHmdEditorOptions Options;
		std::string Error;
		EXPECT_FALSE(ParseHmdEditorOptions({"--script", "s", "--size", Size}, Options, Error)) << Size;
		EXPECT_NE(Error.find("--size wants COLSxROWS"), std::string::npos) << Size;
	}
}
