// End-to-end tests of "hmd-json format --output FILE": the bytes written as
// the module saves them, in place included, and FILE left whole whenever
// the format or the write fails.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
	const std::string CompactSettings = "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}";
	const std::string OldContent = "{\"SubjectName\": \"Old\"}";

	/** Names in Folder that the atomic save uses for its temporary files of Name. */
	int CountTemporaryFiles(const std::filesystem::path& Folder, const std::string& Name)
	{
		int Count = 0;
		for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Folder))
		{
			const std::string Each = Entry.path().filename().string();
			if (Each.starts_with(Name + ".") && Each.ends_with(".tmp"))
			{
				++Count;
			}
		}
		return Count;
	}
}

TEST(HmdJsonOutputFile, WritesTheFormattedBytesToTheFile)
{
	struct FCase { const char* Name; std::string Input; std::string Options; std::string Output; };
	const FCase Cases[] = {
		{"ASCII", CompactSettings, "", SettingsText},
		{"UTF-16", "{\"SubjectName\":\"\xC3\xA9\"}", "", Utf16LeWithMark("{\r\n\t\"SubjectName\": \"", u'\u00e9', "\"\r\n}")},
		{"UTF-8 asked for", "{\"SubjectName\":\"\xC3\xA9\"}", "--utf8 ", "{\r\n\t\"SubjectName\": \"\xC3\xA9\"\r\n}"},
	};
	const std::string InputPath = FileStem() + ".json";
	const std::string OutputPath = FileStem() + "_out.json";
	for (const FCase& Case : Cases)
	{
		WriteFileBytes(InputPath, Case.Input);
		WriteFileBytes(OutputPath, OldContent);
		const FRun Run = RunProgram("format " + Case.Options + "--output " + OutputPath + " " + InputPath);
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Out, "") << Case.Name;
		EXPECT_EQ(Run.Err, "") << Case.Name;
		EXPECT_EQ(ReadFileBytes(OutputPath), Case.Output) << Case.Name;
		EXPECT_EQ(CountTemporaryFiles(".", OutputPath), 0) << Case.Name;
	}
}

TEST(HmdJsonOutputFile, ReformatsAFileInPlace)
{
	struct FCase { const char* Name; std::string Path; };
	const FCase Cases[] = {
		{"relative path", FileStem() + ".json"},
		{"absolute path", std::filesystem::absolute(FileStem() + "_absolute.json").make_preferred().string()},
	};
	for (const FCase& Case : Cases)
	{
		WriteFileBytes(Case.Path, CompactSettings);
		const FRun Run = RunProgram("format --output " + Case.Path + " " + Case.Path);
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Err, "") << Case.Name;
		EXPECT_EQ(ReadFileBytes(Case.Path), SettingsText) << Case.Name;
	}
}

TEST(HmdJsonOutputFile, LeavesTheFileWholeWhenNothingCanBeWritten)
{
	struct FCase { const char* Name; std::string Input; std::string InputName; int ExitCode; std::string Err; };
	const std::string OutputPath = FileStem() + "_out.json";
	const std::string Missing = FileStem() + "_missing.json";
	const FCase Cases[] = {
		{"reader error", "{\"a\" 1}", "", 1, "Colon token expected, but not found. Line: 1 Ch: 6"},
		{"root is an array", "[]", "", 1, "The JSON root is not an object."},
		{"empty input", "", "", 1, "Null Stream Line: 1 Ch: 0"},
		{"input cannot be read", "", Missing, 2, ""},
	};
	const std::string InputPath = FileStem() + ".json";
	for (const FCase& Case : Cases)
	{
		WriteFileBytes(InputPath, Case.Input);
		WriteFileBytes(OutputPath, OldContent);
		const FRun Run = RunProgram("format --output " + OutputPath + " " + (Case.InputName.empty() ? InputPath : Case.InputName));
		EXPECT_EQ(Run.ExitCode, Case.ExitCode) << Case.Name;
		if (!Case.Err.empty())
		{
			EXPECT_EQ(Run.Err, Case.Err) << Case.Name;
		}
		EXPECT_EQ(ReadFileBytes(OutputPath), OldContent) << Case.Name;
	}
}

TEST(HmdJsonOutputFile, DoesNotReplaceAReadOnlyFile)
{
	const std::string InputPath = FileStem() + ".json";
	const std::string OutputPath = FileStem() + "_out.json";
	WriteFileBytes(InputPath, CompactSettings);
	std::error_code Ignored;
	std::filesystem::permissions(OutputPath, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, Ignored);
	WriteFileBytes(OutputPath, OldContent);
	// On Windows taking every write permission away sets the read-only attribute.
	using std::filesystem::perms;
	const perms ReadOnly = perms::owner_read | perms::group_read | perms::others_read;
	std::filesystem::permissions(OutputPath, ReadOnly);

	const FRun Run = RunProgram("format --output " + OutputPath + " " + InputPath);
	EXPECT_EQ(Run.ExitCode, 2);
	EXPECT_EQ(Run.Out, "");
	EXPECT_EQ(Run.Err, "hmd-json: Could not save '" + OutputPath + "': the file is read-only");
	EXPECT_EQ(ReadFileBytes(OutputPath), OldContent);
	EXPECT_EQ(CountTemporaryFiles(".", OutputPath), 0);
	std::filesystem::permissions(OutputPath, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

TEST(HmdJsonOutputFile, CreatesMissingFoldersAndWritesDashToStandardOutput)
{
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, CompactSettings);
	const std::filesystem::path Folder = FileStem() + "_folder";
	std::filesystem::remove_all(Folder);
	const std::string OutputPath = (Folder / "Config" / "OHeadSetConfig.json").make_preferred().string();

	const FRun Created = RunProgram("format --output " + OutputPath + " " + InputPath);
	EXPECT_EQ(Created.ExitCode, 0);
	EXPECT_EQ(Created.Err, "");
	EXPECT_EQ(ReadFileBytes(OutputPath), SettingsText);

	const FRun Dash = RunProgram("format --output - " + InputPath);
	EXPECT_EQ(Dash.ExitCode, 0);
	EXPECT_EQ(Dash.Out, SettingsText);
}

TEST(HmdJsonOutputFile, RefusesAFolderAsTheFile)
{
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, CompactSettings);
	const std::string Folder = FileStem() + "_folder";
	std::filesystem::create_directories(Folder);
	const FRun Run = RunProgram("format --output " + Folder + " " + InputPath);
	EXPECT_EQ(Run.ExitCode, 2);
	EXPECT_EQ(Run.Err, "hmd-json: Could not save '" + Folder + "': it is a folder");
	EXPECT_TRUE(std::filesystem::is_directory(Folder));
}
