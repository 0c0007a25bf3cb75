// Scripted sessions of the hmd-editor program against a documents folder of
// their own: what the user sees (the "screen" action) and the exact bytes of
// the settings file it leaves.
#include "EndToEndSupport.h"

#include "Containers/StringConv.h"
#include "HAL/PlatformProcess.h"

#include <filesystem>
#include <string>
#include <vector>

namespace
{
	class HmdEditorEndToEnd : public FHmdEditorRunTest
	{
	};
}

TEST_F(HmdEditorEndToEnd, WithoutAFileTheWindowIsEmptyAndClosingWritesTheFileAndItsFolders)
{
	const FRunResult Result = RunScript(OpenSettings + "screen\nkey Escape\nquit\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(Result.Errors, "");
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 1u);
	EXPECT_NE(Screens[0].find("Hmd Name"), std::string::npos) << Screens[0];
	EXPECT_TRUE(ShowsName(Screens[0], "")) << Screens[0];
	EXPECT_EQ(CheckBoxOf(Screens[0]), "[ ]") << Screens[0];

	const std::string Saved = ReadFileBytes(ConfigFile);
	EXPECT_EQ(Saved.size(), 50u);
	EXPECT_EQ(Saved, ExpectedFile(u"", false));
}

TEST_F(HmdEditorEndToEnd, AFileWithANameAndLoggingOnIsShownAsSuch)
{
	WriteFileBytes(ConfigFile, "{\"SubjectName\": \"HMD1\", \"EnableLogging\": true}");
	const FRunResult Result = RunScript(OpenSettings + "screen\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 1u);
	EXPECT_TRUE(ShowsName(Screens[0], "HMD1")) << Screens[0];
	EXPECT_EQ(CheckBoxOf(Screens[0]), "[x]") << Screens[0];
	// The end of the script closes the window, which saves what it shows.
	EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"HMD1", true));
}

TEST_F(HmdEditorEndToEnd, TypedNamesAreSavedCommittedOrNot)
{
	const struct
	{
		const char* Edit;
		std::u16string Expected;
	} Cases[] = {
		{"type Vive Pro\nkey Enter\n", u"Vive Pro"},
		{"type Vive Pro\n", u"Vive Pro"},
		{"type  spaced  \nkey Tab\n", u" spaced  "},
		{"type abc\nkey Left Left Backspace Delete Home\ntype >\nkey End\ntype <\nkey Enter\n", u">c<"},
	};
	for (const auto& Case : Cases)
	{
		std::filesystem::remove(ConfigFile);
		const FRunResult Result = RunScript(OpenSettings + Case.Edit + "key Escape\nquit\n");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(Case.Expected, false)) << Case.Edit;
	}
}

TEST_F(HmdEditorEndToEnd, TheCheckBoxTogglesWithSpaceAndTheFileFollowsAtClose)
{
	const struct
	{
		const char* Keys;
		bool bExpected;
	} Cases[] = {
		{"key Tab Space\n", true},
		{"key Tab Space Space\n", false},
		{"key Shift+Tab Shift+Tab Space\n", true},
	};
	for (const auto& Case : Cases)
	{
		std::filesystem::remove(ConfigFile);
		const FRunResult Result = RunScript(OpenSettings + Case.Keys + "screen\nkey Escape\n");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		const std::vector<std::string> Screens = SplitScreens(Result.Output);
		ASSERT_EQ(Screens.size(), 1u);
		EXPECT_EQ(CheckBoxOf(Screens[0]), Case.bExpected ? "[x]" : "[ ]") << Case.Keys << Screens[0];
		EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"", Case.bExpected)) << Case.Keys;
	}
}

TEST_F(HmdEditorEndToEnd, ANonAsciiNameIsSavedAsUtf16AndShownAgainOnTheNextOpening)
{
	// "Jürgen 文档 😀", typed as UTF-8.
	const std::string Name = "J\xC3\xBCrgen \xE6\x96\x87\xE6\xA1\xA3 \xF0\x9F\x98\x80";
	const FRunResult Result = RunScript(OpenSettings + "type " + Name + "\nkey Escape\n" + OpenSettings + "screen\nkey Escape\nquit\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"J\u00FCrgen \u6587\u6863 \U0001F600", false));
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 1u);
	// The name takes 14 terminal cells (the CJK characters and the emoji two
	// each), the field 13: with the cursor after the name, the field shows its
	// end and marks the cut-off start.
	EXPECT_TRUE(ShowsName(Screens[0], "<gen \xE6\x96\x87\xE6\xA1\xA3 \xF0\x9F\x98\x80")) << Screens[0];
}

TEST_F(HmdEditorEndToEnd, AMalformedFileLoadsNothingAndIsReplacedAtClose)
{
	for (const char* Malformed : {"{\"SubjectName\": \"HMD1\", ", "[\"HMD1\", true]", "", "\xFF\xFE{"})
	{
		WriteFileBytes(ConfigFile, Malformed);
		const FRunResult Result = RunScript(OpenSettings + "screen\nkey Escape\nquit\n");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		const std::vector<std::string> Screens = SplitScreens(Result.Output);
		ASSERT_EQ(Screens.size(), 1u);
		EXPECT_TRUE(ShowsName(Screens[0], "")) << Screens[0];
		EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"", false));
	}
}

TEST_F(HmdEditorEndToEnd, AFailedSaveLeavesAWarningOnStandardError)
{
	// A folder where the file should be: the window opens empty and the save cannot replace it.
	std::filesystem::create_directories(ConfigFile);
	const FRunResult Result = RunScript(OpenSettings + "type lost\nkey Escape\nquit\n");
	EXPECT_EQ(Result.ExitCode, 0);
	EXPECT_NE(Result.Errors.find("Warning"), std::string::npos) << Result.Errors;
	EXPECT_NE(Result.Errors.find("OHeadSetConfig.json"), std::string::npos) << Result.Errors;
	EXPECT_TRUE(std::filesystem::is_directory(ConfigFile));
}

TEST_F(HmdEditorEndToEnd, QuittingOrEndingTheScriptWithTheWindowOpenStillSaves)
{
	for (const char* Ending : {"quit\n", "", "key Ctrl+Q\nquit\n"})
	{
		std::filesystem::remove(ConfigFile);
		const FRunResult Result = RunScript(OpenSettings + "type kept\n" + Ending);
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"kept", false)) << Ending;
	}
}

TEST_F(HmdEditorEndToEnd, ASleepWaitsAndTheScriptGoesOnAfterIt)
{
	const FRunResult Result = RunScript(OpenSettings + "type be\nsleep 0.05\ntype fore\nsleep 0\nkey Escape\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(Result.Errors, "");
	EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"before", false));
}

TEST_F(HmdEditorEndToEnd, BadScriptsStopBeforeAnythingRunsNamingTheLine)
{
	const struct
	{
		const char* Script;
		const char* Message;
	} Cases[] = {
		{"key Escape\nfrobnicate\n", "script.txt, line 3: unknown action \"frobnicate\""},
		{"# comment\n\nkey F10 Rigth Enter\n", "script.txt, line 4: unknown key name \"Rigth\""},
		{"screen please\n", "script.txt, line 2: \"screen\" takes nothing after it"},
		{"sleep 3600.5\n", "script.txt, line 2: \"sleep\" wants SECONDS from 0 to 3600, written like 2 or 0.5, not \"3600.5\""},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunScript(OpenSettings + Case.Script);
		EXPECT_EQ(Result.ExitCode, 2);
		EXPECT_EQ(Result.Output, "");
		EXPECT_NE(Result.Errors.find(Case.Message), std::string::npos) << Result.Errors;
		EXPECT_FALSE(std::filesystem::exists(ConfigFile)) << "nothing ran";
	}
}

TEST_F(HmdEditorEndToEnd, BadCommandLinesAreRefusedClearly)
{
	const std::filesystem::path EmptyScript = Folder / "empty.txt";
	WriteFileBytes(EmptyScript, "");
	const struct
	{
		std::string Arguments;
		int ExitCode;
		std::string Message;
	} Cases[] = {
		{"--bogus", 2, "unknown option --bogus"},
		{"--script - --size 5x5", 2, "--size wants COLSxROWS"},
		{"--documents " + Quote(Folder / "missing") + " --script " + Quote(EmptyScript), 2, "--documents: no such folder: "},
		{"--documents " + Quote(EmptyScript) + " --script " + Quote(EmptyScript), 2, "--documents: not a folder: "},
		{"--script " + Quote(Folder / "missing.txt"), 1, "the script cannot be read: "},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunProgram(Case.Arguments);
		EXPECT_EQ(Result.ExitCode, Case.ExitCode) << Case.Arguments;
		EXPECT_NE(Result.Errors.find(Case.Message), std::string::npos) << Result.Errors;
	}

	const FRunResult Help = RunProgram("--help");
	EXPECT_EQ(Help.ExitCode, 0);
	EXPECT_NE(Help.Output.find("Usage: hmd-editor"), std::string::npos);
}

#ifndef _WIN32
// Where arguments are bytes: an existing folder whose name is not UTF-8 is
// refused, and never taken for the folder named with U+FFFD in its place.
TEST_F(HmdEditorEndToEnd, NamesThatAreNotUtf8AreRefusedNotTakenForALookAlike)
{
	const std::filesystem::path NotUtf8Folder = Folder / "Docs-\xFF";
	const std::filesystem::path LookAlikeFolder = Folder / "Docs-\xEF\xBF\xBD";
	std::filesystem::create_directories(NotUtf8Folder);
	std::filesystem::create_directories(LookAlikeFolder);
	const std::filesystem::path Script = WriteScript(OpenSettings + "type lost\nkey Escape\n");
	const std::filesystem::path NotUtf8Script = Folder / "script-\xC3.txt";
	WriteFileBytes(NotUtf8Script, OpenSettings + "type lost\nkey Escape\n");
	WriteFileBytes(Folder / "script-\xEF\xBF\xBD.txt", OpenSettings + "type lost\nkey Escape\n");
	const struct
	{
		const char* Description;
		std::string Arguments;
		std::string Message;
	} Cases[] = {
		{"the documents folder", "--documents " + Quote(NotUtf8Folder) + " --script " + Quote(Script),
			"hmd-editor: --documents: the folder name is not UTF-8: " + Folder.string() + "/Docs-\\xff\n"},
		{"the script", "--documents " + Quote(LookAlikeFolder) + " --script " + Quote(NotUtf8Script),
			"hmd-editor: --script: the file name is not UTF-8: " + Folder.string() + "/script-\\xc3.txt\n"},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunProgram(Case.Arguments);
		EXPECT_EQ(Result.ExitCode, 2) << Case.Description;
		EXPECT_EQ(Result.Errors, Case.Message + "Try 'hmd-editor --help'.\n") << Case.Description;
		EXPECT_TRUE(std::filesystem::is_empty(NotUtf8Folder)) << Case.Description;
		EXPECT_TRUE(std::filesystem::is_empty(LookAlikeFolder)) << Case.Description;
	}
}
#endif

TEST_F(HmdEditorEndToEnd, ScreensMatchWhatTheUserSees)
{
	WriteFileBytes(ConfigFile, "{\"SubjectName\": \"HMD1\", \"EnableLogging\": true}");
	const std::filesystem::path Screens = std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / "HmdEditorScreens";
	const struct
	{
		const char* Script;
		const char* Expected;
	} Cases[] = {
		{"key F10 Right Right Right Right\nscreen\n", "MainMenuOpen.txt"},
		{"key F10 Right Right Right Right Enter\nscreen\n", "SettingsWindow.txt"},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunScript(Case.Script);
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		EXPECT_EQ(Result.Output, ReadFileBytes(Screens / Case.Expected)) << Case.Expected;
	}
}
