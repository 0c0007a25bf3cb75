#include "HmdEditor/HmdEditorOptions.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(HmdEditorOptions, DefaultsToTheTerminalAt100x30)
{
	const TValueOrError<FHmdEditorOptions, std::string> Parsed = ParseHmdEditorOptions({});
	ASSERT_TRUE(Parsed.HasValue());
	const FHmdEditorOptions& Options = Parsed.GetValue();
	EXPECT_FALSE(Options.IsScripted());
	EXPECT_TRUE(Options.DocumentsFolder.empty());
	EXPECT_EQ(Options.Columns, 100);
	EXPECT_EQ(Options.Rows, 30);
	EXPECT_FALSE(Options.bShowHelp);
}

TEST(HmdEditorOptions, ReadsEachOptionInBothForms)
{
	struct FCase { TArray<std::string> Arguments; std::string Documents; std::string Script; int32 Columns; int32 Rows; bool bHelp; bool bVersion = false; };
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
		{{"--version"}, "", "", 100, 30, false, true},
		{{"--version", "--size", "80x24"}, "", "", 80, 24, false, true},
	};
	for (const FCase& Case : Cases)
	{
		const TValueOrError<FHmdEditorOptions, std::string> Parsed = ParseHmdEditorOptions(Case.Arguments);
		ASSERT_TRUE(Parsed.HasValue()) << Parsed.GetError();
		const FHmdEditorOptions& Options = Parsed.GetValue();
		EXPECT_EQ(Options.DocumentsFolder, Case.Documents);
		EXPECT_EQ(Options.ScriptPath, Case.Script);
		EXPECT_EQ(Options.Columns, Case.Columns);
		EXPECT_EQ(Options.Rows, Case.Rows);
		EXPECT_EQ(Options.bShowHelp, Case.bHelp);
		EXPECT_EQ(Options.bShowVersion, Case.bVersion);
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
		const TValueOrError<FHmdEditorOptions, std::string> Parsed = ParseHmdEditorOptions(Case.Arguments);
		ASSERT_TRUE(Parsed.HasError());
		const std::string& Error = Parsed.GetError();
		EXPECT_EQ(Error, Case.Message);
	}
}

TEST(HmdEditorOptions, RejectsSizesOutsideTheLimits)
{
	for (const char* Size : {"80", "80x", "x24", "80X24", "19x24", "80x4", "1001x24", "80x1001", "-80x24", "+80x24", "80x24x1", " 80x24",
			 "80 x24", "99999999999x24", "0x0"})
	{
		const TValueOrError<FHmdEditorOptions, std::string> Parsed = ParseHmdEditorOptions({"--script", "s", "--size", Size});
		ASSERT_TRUE(Parsed.HasError()) << Size;
		const std::string& Error = Parsed.GetError();
		EXPECT_NE(Error.find("--size wants COLSxROWS"), std::string::npos) << Size;
	}
}

TEST(HmdEditorOptions, RefusesPathNamesThatAreNotUtf8ShowingTheBadBytes)
{
	struct FCase { const char* Description; TArray<std::string> Arguments; std::string Message; };
	const FCase Cases[] = {
		{"a lone byte", {"--documents", "/srv/Docs-\xFF"}, "--documents: the folder name is not UTF-8: /srv/Docs-\\xff"},
		{"the other form", {"--documents=/srv/\xC3(ok)"}, "--documents: the folder name is not UTF-8: /srv/\\xc3(ok)"},
		{"a cut-short sequence at the end", {"--documents", "/srv/\xE6\x96"}, "--documents: the folder name is not UTF-8: /srv/\\xe6\\x96"},
		{"an overlong form", {"--documents", "/srv/\xC0\xAF"}, "--documents: the folder name is not UTF-8: /srv/\\xc0\\xaf"},
		{"good characters kept", {"--documents", "/srv/J\xC3\xBCrgen/\xFE"}, "--documents: the folder name is not UTF-8: /srv/J\xC3\xBCrgen/\\xfe"},
		{"control characters escaped too", {"--documents", "/srv/\x1B[2J\xFF"}, "--documents: the folder name is not UTF-8: /srv/\\x1b[2J\\xff"},
		{"the script", {"--script", "run-\xFF.txt"}, "--script: the file name is not UTF-8: run-\\xff.txt"},
	};
	for (const FCase& Case : Cases)
	{
		const TValueOrError<FHmdEditorOptions, std::string> Parsed = ParseHmdEditorOptions(Case.Arguments);
		ASSERT_TRUE(Parsed.HasError()) << Case.Description;
		const std::string& Error = Parsed.GetError();
		EXPECT_EQ(Error, Case.Message) << Case.Description;
	}
}

TEST(HmdEditorOptions, TakesNamesTheEngineTextCarriesUnchanged)
{
	// An encoded lone surrogate is what the Windows command line gives for such a name; it comes back as the same bytes.
	for (const std::string Folder : {"/srv/J\xC3\xBCrgen/\xE5\x85\xB1", "/srv/\xF0\x9F\x98\x80", "/srv/\xED\xA0\x80-lone", "/srv/\xEF\xBF\xBD"})
	{
		const TValueOrError<FHmdEditorOptions, std::string> Parsed = ParseHmdEditorOptions({"--documents", Folder});
		ASSERT_TRUE(Parsed.HasValue()) << Parsed.GetError();
		const FHmdEditorOptions& Options = Parsed.GetValue();
		EXPECT_EQ(Options.DocumentsFolder, Folder);
	}
}

TEST(HmdEditorOptions, TheDocumentsFolderMustBeAnExistingFolder)
{
	const FTempFolder Temp;
	const std::filesystem::path& Root = Temp.Native();
	std::filesystem::create_directories(Root / "Documents");
	std::ofstream(Root / "file") << "a file";
#ifndef _WIN32
	std::filesystem::create_directory_symlink(Root / "Documents", Root / "link");
#endif
	struct FCase { const char* Description; std::string Folder; std::string Message; };
	const FCase Cases[] = {
		{"none given: the shell decides", "", ""},
		{"a folder", (Root / "Documents").string(), ""},
#ifndef _WIN32
		{"a link to a folder", (Root / "link").string(), ""},
#endif
		{"missing", (Root / "missing").string(), "--documents: no such folder: " + (Root / "missing").string()},
		{"a file", (Root / "file").string(), "--documents: not a folder: " + (Root / "file").string()},
	};
	for (const FCase& Case : Cases)
	{
		FHmdEditorOptions Options;
		Options.DocumentsFolder = Case.Folder;
		const TValueOrError<void, std::string> Checked = CheckDocumentsFolder(Options);
		EXPECT_EQ(Checked.HasValue(), Case.Message.empty()) << Case.Description;
		EXPECT_EQ(Checked.HasError() ? Checked.GetError() : std::string(), Case.Message) << Case.Description;
	}
}
