// What the host itself shows and does around the module, run through scripts:
// the Output Log, the status line's messages and key hints, the help
// windows, the keys that work everywhere, and how scripts are read and
// screens written.
#include "EndToEndSupport.h"

#include "RunCommandLine.h"

#include <filesystem>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace
{
	const std::string OpenOutputLog = "key F10 Right Right Enter\n";
	const std::string OpenHelpMenu = "key F10 Right Right Right\n";

	bool Contains(const std::string& Text, const std::string& Part)
	{
		return Text.find(Part) != std::string::npos;
	}

	/** The screen's last row: the status line. */
	std::string StatusLineOf(const std::string& Screen)
	{
		const SIZE_T End = Screen.find_last_not_of('\n');
		const SIZE_T Start = Screen.rfind('\n', End);
		return Screen.substr(Start == std::string::npos ? 0 : Start + 1, End - (Start == std::string::npos ? 0 : Start + 1) + 1);
	}

	class HostFeatures : public FHmdEditorRunTest
	{
	protected:
		/** The settings file's path as the module names it: the documents folder as given, then its own part with '/'. */
		std::string ModulePath() const { return Documents.string() + "/Orvek/Skellan_4.20/Config/OHeadSetConfig.json"; }
	};
}

TEST_F(HostFeatures, TheOutputLogListsThisRunsLinesNewestLastAndScrolls)
{
	// A file that does not load: a warning at the first opening, a copy kept at its close; later closes save cleanly.
	WriteFileBytes(ConfigFile, "{\"SubjectName\": ");
	std::string Script;
	for (int Opening = 0; Opening < 20; ++Opening)
	{
		Script += OpenSettings + "key Escape\n";
	}
	// 22 lines: the warning, a saved line, the copy's warning, then 19 saved lines; the window shows 12 of them.
	Script += OpenOutputLog + "screen\n";
	const struct
	{
		const char* Keys;
		bool bShowsFirstLine;
		bool bShowsCopyWarning;
	} Steps[] = {
		{"Home", true, true},
		{"Down", false, true},
		{"Down Down", false, false},
		{"PageUp", true, true},
		{"PageDown", false, false},
		{"End", false, false},
		{"Home PageDown PageUp", true, true},
		{"Up", true, true},
	};
	for (const auto& Step : Steps)
	{
		Script += std::string("key ") + Step.Keys + "\nscreen\n";
	}
	Script += "key Escape\nscreen\n";

	// Wide enough for the lines to fit on one row each.
	const FRunResult Result = RunScript(Script, "400x16");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), std::size(Steps) + 2);

	const std::string Saved = "LogOrvekHmdSettings: Saved the HMD settings to";
	// Opened at the end: the newest lines, all saves.
	EXPECT_TRUE(Contains(Screens[0], "Output Log")) << Screens[0];
	EXPECT_TRUE(Contains(Screens[0], Saved + " " + ModulePath())) << Screens[0];
	EXPECT_FALSE(Contains(Screens[0], "did not load")) << Screens[0];
	for (SIZE_T Index = 0; Index < std::size(Steps); ++Index)
	{
		const std::string& Screen = Screens[Index + 1];
		EXPECT_EQ(Contains(Screen, "did not load cleanly: "), Steps[Index].bShowsFirstLine) << Steps[Index].Keys << "\n" << Screen;
		EXPECT_EQ(Contains(Screen, "its former content is kept"), Steps[Index].bShowsCopyWarning) << Steps[Index].Keys << "\n" << Screen;
	}
	EXPECT_FALSE(Contains(Screens.back(), "Output Log")) << "Escape closes the window\n" << Screens.back();
}

TEST_F(HostFeatures, LongLogLinesWrapSoThatTheWholePathCanBeRead)
{
	const FRunResult Result = RunScript(OpenSettings + "key Escape\n" + OpenOutputLog + "screen\n", "40x12");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 1u);
	// The window's rows sit inside the viewport's frame and its own ("││...││"). Joined, they hold the
	// whole line; the rows break between words where they can, so the blanks are left out of the comparison.
	const std::string Frames = "\u2502\u2502";
	std::string Joined;
	for (SIZE_T Start = 0; Start < Screens[0].size();)
	{
		const SIZE_T End = Screens[0].find('\n', Start);
		const std::string Row = Screens[0].substr(Start, End - Start);
		const SIZE_T Left = Row.find(Frames);
		const SIZE_T Right = Row.rfind(Frames);
		if (Left != std::string::npos && Right > Left)
		{
			Joined += Row.substr(Left + Frames.size(), Right - Left - Frames.size());
		}
		Start = End + 1;
	}
	const auto WithoutBlanks = [](std::string Text)
	{
		std::erase(Text, ' ');
		return Text;
	};
	EXPECT_TRUE(Contains(WithoutBlanks(Joined), WithoutBlanks("LogOrvekHmdSettings: Saved the HMD settings to " + ModulePath())))
		<< Joined << "\n" << Screens[0];
}

TEST_F(HostFeatures, AFailedSaveShowsItsWarningOnTheStatusLineUntilTheNextKey)
{
	// A folder where the file should be: the save fails.
	std::filesystem::create_directories(ConfigFile);
	const FRunResult Result = RunScript(OpenSettings + "key Escape\nscreen\nkey Down\nscreen\n", "200x12");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_TRUE(Contains(Result.Errors, "LogOrvekHmdSettings: Warning: Could not save the HMD settings to")) << Result.Errors;
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 2u);
	EXPECT_TRUE(Contains(StatusLineOf(Screens[0]), " Warning: Could not save the HMD settings to " + ModulePath())) << Screens[0];
	EXPECT_FALSE(Contains(StatusLineOf(Screens[1]), "Warning")) << Screens[1];
	EXPECT_TRUE(Contains(StatusLineOf(Screens[1]), "F10 menu")) << Screens[1];
}

TEST_F(HostFeatures, AWrittenSaveShowsWhereOnTheStatusLineButNotOnStandardError)
{
	const FRunResult Result = RunScript(OpenSettings + "type HMD7\nkey Escape\nscreen\nkey Down\nscreen\n", "200x12");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(Result.Errors, "");
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 2u);
	EXPECT_TRUE(Contains(StatusLineOf(Screens[0]), " Saved the HMD settings to " + ModulePath())) << Screens[0];
	EXPECT_FALSE(Contains(StatusLineOf(Screens[1]), "Saved")) << Screens[1];
	EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"HMD7", false));
}

TEST_F(HostFeatures, F1AndTheHelpMenuListTheKeysOfThePlaceTheUserIsIn)
{
	const struct
	{
		const char* Description;
		std::string Keys;
		std::vector<std::string> Shown;
		std::vector<std::string> NotShown;
	} Cases[] = {
		{"F1 in the main window", "key F1\n", {"Keyboard Shortcuts", "Main window", "F10 or F9", "Alt+first letter", "Anywhere", "Ctrl+C"},
			{"Name box", "Open menu"}},
		{"Help > Keyboard Shortcuts", OpenHelpMenu + "key Enter\n", {"Keyboard Shortcuts", "Main window", "Ctrl+Q"}, {"Name box"}},
		{"F1 in an open menu", "key F10 F1\n", {"Open menu", "chooses the entry whose label starts with it", "Anywhere"}, {"Main window"}},
		{"F1 in the settings window", OpenSettings + "key F1\n",
			{"Settings window", "Name box", "Ctrl+A / Ctrl+E", "Check box", "Anywhere"}, {"Main window", "Open menu"}},
		{"F1 in the Output Log", OpenOutputLog + "key F1\n", {"Text window", "PageUp / PageDown", "Anywhere"}, {"Main window"}},
		{"F1 in Keyboard Shortcuts opens no second one", "key F1 F1\n", {"Main window"}, {"Text window"}},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunScript(Case.Keys + "screen\nkey Escape\nscreen\n", "100x45");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		const std::vector<std::string> Screens = SplitScreens(Result.Output);
		ASSERT_EQ(Screens.size(), 2u) << Case.Description;
		for (const std::string& Text : Case.Shown)
		{
			EXPECT_TRUE(Contains(Screens[0], Text)) << Case.Description << ": " << Text << "\n" << Screens[0];
		}
		for (const std::string& Text : Case.NotShown)
		{
			EXPECT_FALSE(Contains(Screens[0], Text)) << Case.Description << ": " << Text << "\n" << Screens[0];
		}
		EXPECT_FALSE(Contains(Screens[1], "Keyboard Shortcuts")) << "Escape closes it: " << Case.Description << "\n" << Screens[1];
	}
}

TEST_F(HostFeatures, AboutShowsTheNameTheVersionAndTheFiles)
{
	const FRunResult Result = RunScript(OpenHelpMenu + "key Down Enter\nscreen\n", "160x20");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	const std::vector<std::string> Screens = SplitScreens(Result.Output);
	ASSERT_EQ(Screens.size(), 1u);
	EXPECT_TRUE(Contains(Screens[0], "About")) << Screens[0];
	EXPECT_TRUE(Contains(Screens[0], std::string("hmd-editor ") + HMD_EDITOR_VERSION)) << Screens[0];
	EXPECT_TRUE(Contains(Screens[0], "Settings file: " + ModulePath())) << Screens[0];
	EXPECT_TRUE(Contains(Screens[0], "Log file:      none (headless")) << Screens[0];
}

TEST_F(HostFeatures, ALetterInAnOpenMenuChoosesTheEntryStartingWithIt)
{
	const struct
	{
		const char* Description;
		std::string Keys;
		const char* Shown;
	} Cases[] = {
		{"a in Help: About", OpenHelpMenu + "key a\n", "Settings file:"},
		{"K in Help: Keyboard Shortcuts", OpenHelpMenu + "key K\n", "Main window"},
		{"o in Window: Output Log", "key F10 Right Right\nkey o\n", "\xE2\x94\x8C Output Log"},
		{"o in Orvek Hmd: the settings window", "key F10 Left\nkey o\n", "Hmd Name"},
		{"a letter no entry starts with leaves the menu open", OpenHelpMenu + "key z\n", "> Keyboard Shortcuts"},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunScript(Case.Keys + "screen\n");
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		const std::vector<std::string> Screens = SplitScreens(Result.Output);
		ASSERT_EQ(Screens.size(), 1u) << Case.Description;
		EXPECT_TRUE(Contains(Screens[0], Case.Shown)) << Case.Description << "\n" << Screens[0];
	}

	// File > Exit by its letter quits: nothing after it runs.
	const FRunResult Exit = RunScript("key F10 e\nscreen\n");
	EXPECT_EQ(Exit.ExitCode, 0) << Exit.Errors;
	EXPECT_EQ(Exit.Output, "");
}

TEST_F(HostFeatures, KeyHintsShortenAsTheScreenNarrowsAndF10MenuStays)
{
	const struct
	{
		const char* Size;
		std::vector<std::string> Shown;
		std::vector<std::string> NotShown;
	} Cases[] = {
		{"20x8", {"F10 menu"}, {"Ctrl+Q"}},
		{"40x8", {"F10 menu  F1 help  Ctrl+Q quit"}, {"Alt+letter"}},
		{"80x8", {"F10 menu  F1 help  Ctrl+Q quit  Alt+letter open menu"}, {}},
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunScript("screen\n", Case.Size);
		EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
		const std::vector<std::string> Screens = SplitScreens(Result.Output);
		ASSERT_EQ(Screens.size(), 1u) << Case.Size;
		const std::string Status = StatusLineOf(Screens[0]);
		for (const std::string& Text : Case.Shown)
		{
			EXPECT_TRUE(Contains(Status, Text)) << Case.Size << ": " << Status;
		}
		for (const std::string& Text : Case.NotShown)
		{
			EXPECT_FALSE(Contains(Status, Text)) << Case.Size << ": " << Status;
		}
	}
}

TEST_F(HostFeatures, CtrlCQuitsWithStatusZeroClosingAndSavingAnOpenSettingsWindow)
{
	const struct
	{
		const char* Description;
		std::string Script;
		bool bSaved;
	} Cases[] = {
		{"in the settings window", OpenSettings + "type Stopped\nkey Ctrl+C\nscreen\n", true},
		{"in the main window", "key Ctrl+C\nscreen\n", false},
		{"in an open menu", "key F10 Ctrl+C\nscreen\n", false},
		{"in the Output Log", OpenOutputLog + "key Ctrl+C\nscreen\n", false},
	};
	for (const auto& Case : Cases)
	{
		std::filesystem::remove(ConfigFile);
		const FRunResult Result = RunScript(Case.Script);
		EXPECT_EQ(Result.ExitCode, 0) << Case.Description << ": " << Result.Errors;
		EXPECT_EQ(Result.Errors, "") << Case.Description;
		EXPECT_EQ(Result.Output, "") << "nothing after Ctrl+C runs: " << Case.Description;
		EXPECT_EQ(std::filesystem::exists(ConfigFile), Case.bSaved) << Case.Description;
		if (Case.bSaved)
		{
			EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"Stopped", false)) << Case.Description;
		}
	}
}

TEST_F(HostFeatures, VersionPrintsTheProgramNameAndTheProjectVersion)
{
	const FRunResult Result = RunProgram("--version");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_EQ(Result.Output, std::string("hmd-editor ") + HMD_EDITOR_VERSION + "\n");
	EXPECT_EQ(Result.Errors, "");
}

TEST_F(HostFeatures, HelpNamesTheSettingsFileAndTheLogFile)
{
	const FRunResult Result = RunProgram("--help");
	EXPECT_EQ(Result.ExitCode, 0) << Result.Errors;
	EXPECT_TRUE(Contains(Result.Output, "Orvek/Skellan_4.20/Config/OHeadSetConfig.json")) << Result.Output;
	EXPECT_TRUE(Contains(Result.Output, "hmd-editor.log")) << Result.Output;
	EXPECT_TRUE(Contains(Result.Output, "--version")) << Result.Output;
}

TEST_F(HostFeatures, ScriptsThatCannotBeReadEndWithStatusOneAndSaySo)
{
	const struct
	{
		const char* Description;
		std::string Arguments;
	} Cases[] = {
		{"a folder", "--script " + Quote(Folder)},
		{"a missing file", "--script " + Quote(Folder / "missing.txt")},
#if !defined(_WIN32)
		{"standard input closed", "--script - <&-"},
#endif
	};
	for (const auto& Case : Cases)
	{
		const FRunResult Result = RunProgram("--documents " + Quote(Documents) + " " + Case.Arguments);
		EXPECT_EQ(Result.ExitCode, 1) << Case.Description;
		EXPECT_TRUE(Contains(Result.Errors, "hmd-editor: the script cannot be read: ")) << Case.Description << ": " << Result.Errors;
		EXPECT_EQ(Result.Output, "") << Case.Description;
	}
}

#if !defined(_WIN32)
TEST_F(HostFeatures, ScriptsAreReadFromPipesAsFromFiles)
{
	const std::filesystem::path Fifo = Folder / "script.fifo";
	ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
	const struct
	{
		const char* Description;
		std::string CommandLine;
	} Cases[] = {
		{"standard input as -", "printf 'screen\\n' | " + Quote(Program()) + " --script -"},
		{"/dev/stdin on a pipe", "printf 'screen\\n' | " + Quote(Program()) + " --script /dev/stdin"},
		{"a named pipe", "(printf 'screen\\n' > " + Quote(Fifo) + " &) ; " + Quote(Program()) + " --script " + Quote(Fifo)},
	};
	for (const auto& Case : Cases)
	{
		const std::filesystem::path OutputFile = Folder / "stdout.txt";
		const int Status = RunCommandLine(Case.CommandLine + " --documents " + Quote(Documents) + " > " + Quote(OutputFile));
		EXPECT_EQ(Status, 0) << Case.Description;
		const std::vector<std::string> Screens = SplitScreens(ReadFileBytes(OutputFile));
		ASSERT_EQ(Screens.size(), 1u) << Case.Description;
		EXPECT_TRUE(Contains(Screens[0], "Level Viewport")) << Case.Description;
	}
}

TEST_F(HostFeatures, AScreenThatCannotBeWrittenIsReportedAndEndsWithStatusOne)
{
	const std::filesystem::path ErrorFile = Folder / "stderr.txt";
	const std::string Script = Quote(WriteScript(OpenSettings + "type Kept\nscreen\ntype  lost\n"));
	const int Status = RunCommandLine(Quote(Program()) + " --documents " + Quote(Documents) + " --script " + Script + " > /dev/full 2> " + Quote(ErrorFile));
	EXPECT_EQ(Status, 1);
	EXPECT_EQ(ReadFileBytes(ErrorFile), "hmd-editor: cannot write the screen to standard output: No space left on device\n");
	// The failed write ends the script there; the window still closes and saves.
	EXPECT_EQ(ReadFileBytes(ConfigFile), ExpectedFile(u"Kept", false));

	for (const char* Option : {"--version", "--help"})
	{
		const int PrintStatus = RunCommandLine(Quote(Program()) + " " + Option + " > /dev/full 2> " + Quote(ErrorFile));
		EXPECT_EQ(PrintStatus, 1) << Option;
		EXPECT_EQ(ReadFileBytes(ErrorFile), "hmd-editor: cannot write to standard output: No space left on device\n") << Option;
	}
}

TEST_F(HostFeatures, AScreenWrittenIntoAClosedPipeIsReportedAndEndsWithStatusOne)
{
	int Pipe[2];
	ASSERT_EQ(pipe(Pipe), 0);
	close(Pipe[0]);
	const std::filesystem::path ErrorFile = Folder / "stderr.txt";
	const std::string ScriptPath = WriteScript("screen\n").string();
	const std::string ProgramPath = Program().string();
	const std::string DocumentsPath = Documents.string();
	const pid_t Child = fork();
	ASSERT_NE(Child, -1);
	if (Child == 0)
	{
		dup2(Pipe[1], STDOUT_FILENO);
		const int Errors = open(ErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
		dup2(Errors, STDERR_FILENO);
		execl(ProgramPath.c_str(), ProgramPath.c_str(), "--documents", DocumentsPath.c_str(), "--script", ScriptPath.c_str(), static_cast<char*>(nullptr));
		_exit(127);
	}
	close(Pipe[1]);
	int Status = 0;
	ASSERT_EQ(waitpid(Child, &Status, 0), Child);
	ASSERT_TRUE(WIFEXITED(Status)) << "ended by signal " << WTERMSIG(Status);
	EXPECT_EQ(WEXITSTATUS(Status), 1);
	EXPECT_EQ(ReadFileBytes(ErrorFile), "hmd-editor: cannot write the screen to standard output: Broken pipe\n");
}
#endif
