// Scripted sessions of the hmd-editor program against a documents folder of
// their own: what the user sees (the "screen" action) and the exact bytes of
// the settings file it leaves.
#include "RunProgram.h"

#include "Containers/StringConv.h"
#include "HAL/PlatformProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
	struct FRunResult
	{
		int ExitCode = -1;
		std::string Output;
		std::string Errors;
	};

	std::string ReadFileBytes(const std::filesystem::path& Path)
	{
		std::ifstream Stream(Path, std::ios::binary);
		std::stringstream Bytes;
		Bytes << Stream.rdbuf();
		return Bytes.str();
	}

	void WriteFileBytes(const std::filesystem::path& Path, const std::string& Bytes)
	{
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream(Path, std::ios::binary) << Bytes;
	}

	/** The settings file as the module writes it: ASCII as single bytes, anything else as UTF-16LE after FF FE. */
	std::string ExpectedFile(const std::u16string& Name, bool bEnableLogging)
	{
		const std::u16string Text = u"{\r\n\t\"SubjectName\": \"" + Name + u"\",\r\n\t\"EnableLogging\": " + (bEnableLogging ? u"true" : u"false") + u"\r\n}";
		std::string Bytes;
		const bool bAscii = std::all_of(Text.begin(), Text.end(), [](char16_t Unit) { return Unit < 128; });
		if (bAscii)
		{
			for (const char16_t Unit : Text)
			{
				Bytes += static_cast<char>(Unit);
			}
			return Bytes;
		}
		Bytes = "\xFF\xFE";
		for (const char16_t Unit : Text)
		{
			Bytes += static_cast<char>(Unit & 0xFF);
			Bytes += static_cast<char>(Unit >> 8);
		}
		return Bytes;
	}

	/** The text with Windows line ends ("\r\n", which standard output writes there) made "\n". */
	std::string WithUnixLineEnds(std::string Text)
	{
		for (SIZE_T Found = Text.find("\r\n"); Found != std::string::npos; Found = Text.find("\r\n", Found))
		{
			Text.erase(Found, 1);
		}
		return Text;
	}

	/** The first line of a screen that holds Text; empty when none does. */
	std::string LineWith(const std::string& Screen, const std::string& Text)
	{
		std::istringstream Lines(Screen);
		for (std::string Line; std::getline(Lines, Line);)
		{
			if (Line.find(Text) != std::string::npos)
			{
				return Line;
			}
		}
		return std::string();
	}

	/** True when the screen's name box shows exactly Name (the box pads the rest with '_'). */
	bool ShowsName(const std::string& Screen, const std::string& Name)
	{
		const std::string Line = LineWith(Screen, "Hmd Name");
		return Line.find("[" + Name + "_") != std::string::npos || Line.find("[" + Name + "]") != std::string::npos;
	}

	/** The check box of the "Enable Log" row: "[x]" or "[ ]". */
	std::string CheckBoxOf(const std::string& Screen)
	{
		const std::string Line = LineWith(Screen, "Enable Log");
		const SIZE_T Box = Line.find('[');
		return Box == std::string::npos ? Line : Line.substr(Box, 3);
	}

	/** The screens printed by a run, in order, each without its end marker. */
	std::vector<std::string> SplitScreens(const std::string& Output)
	{
		static const std::string Marker = "--- end of screen ---\n";
		std::vector<std::string> Screens;
		SIZE_T Start = 0;
		for (SIZE_T End = Output.find(Marker); End != std::string::npos; End = Output.find(Marker, Start))
		{
			Screens.push_back(Output.substr(Start, End - Start));
			Start = End + Marker.size();
		}
		EXPECT_EQ(Start, Output.size()) << "output after the last screen: " << Output.substr(Start);
		return Screens;
	}

	class HmdEditorEndToEnd : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			static std::atomic<int> Counter = 0;
			const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
			Folder = std::filesystem::temp_directory_path() / ("hmd-editor-e2e-" + std::to_string(Stamp) + "-" + std::to_string(Counter++));
			Documents = Folder / "Documents";
			std::filesystem::create_directories(Documents);
			ConfigFile = Documents / "Orvek" / "Skellan_4.20" / "Config" / "OHeadSetConfig.json";
		}

		void TearDown() override
		{
			std::error_code Ignored;
			std::filesystem::remove_all(Folder, Ignored);
		}

		static std::string Quote(const std::filesystem::path& Path) { return "\"" + Path.string() + "\""; }

		static std::filesystem::path Program()
		{
			return std::filesystem::path(StringConv::ToUtf8(FPlatformProcess::BaseDir())) / HMD_EDITOR_FILE_NAME;
		}

		/** Runs hmd-editor with the arguments given, the output going to files. */
		FRunResult RunProgram(const std::string& Arguments)
		{
			const std::filesystem::path OutputFile = Folder / "stdout.txt";
			const std::filesystem::path ErrorFile = Folder / "stderr.txt";
			FRunResult Result;
			Result.ExitCode = RunCommandLine(Quote(Program()) + " " + Arguments + " > " + Quote(OutputFile) + " 2> " + Quote(ErrorFile));
			Result.Output = WithUnixLineEnds(ReadFileBytes(OutputFile));
			Result.Errors = WithUnixLineEnds(ReadFileBytes(ErrorFile));
			return Result;
		}

		/** Runs a script against this test's documents folder. */
		FRunResult RunScript(const std::string& Script, const std::string& Size = "100x30")
		{
			const std::filesystem::path ScriptFile = Folder / "script.txt";
			WriteFileBytes(ScriptFile, Script);
			return RunProgram("--documents " + Quote(Documents) + " --script " + Quote(ScriptFile) + " --size " + Size);
		}

		std::filesystem::path Folder;
		std::filesystem::path Documents;
		std::filesystem::path ConfigFile;
	};

	const std::string OpenSettings = "key F10 Right Right Right Right Enter\n";
}

TEST_F(HmdEditorEndToEnd, WithoutAFileTheWindowIsEmptyAndClosingWritesTheFileAndItsFolders)
{
	const FRunResult Result = RunScript(OpenSettings + "screen\nkey Escape\nquit\n");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(Result.Errors, "");
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 1u);
	EXPECT_NE(Screens[0].find("Hmd Setting"), std::string::npos) << Screens[0];
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
	EXPECT_TRUE(ShowsName(Screens[0], Name)) << Screens[0];
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
		const char* Message;
	} Cases[] = {
		{"--bogus", 2, "unknown option --bogus"},
		{"--script - --size 5x5", 2, "--size wants COLSxROWS"},
		{"--documents " + Quote(Folder / "missing") + " --script " + Quote(EmptyScript), 1, "no such folder"},
		{"--script " + Quote(Folder / "missing.txt"), 1, "cannot read the script"},
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
