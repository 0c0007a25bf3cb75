// What only a real terminal shows of the interactive program, through tmux:
// input in any locale, bracketed paste, SGR mouse reports, colours and frames,
// and the terminal given back after a fatal signal or refused when it cannot
// move its cursor.
#include "Containers/StringConv.h"
#include "FileBytes.h"
#include "TmuxSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>

TEST_F(HmdEditorInteractive, TheCLocaleTypesUtf8AndKeepsEveryKeyWorking)
{
	// No LANG, LC_ALL or LC_CTYPE: the C locale of containers and service accounts.
	FTmux Tmux;
	StartEditor(Tmux, "-i TERM=\"$TERM\" PATH=/usr/bin:/bin");
	EXPECT_NE(Tmux.CapturePane().find("+- Level Viewport --"), std::string::npos) << "frames fall back to ASCII\n" << Tmux.CapturePane();
	OpenSettings(Tmux);

	Tmux.SendKeys("-l " + QuoteForShell("Zoë"));
	ASSERT_TRUE(Tmux.WaitForText("[Zoë_")) << Tmux.CapturePane();
	Tmux.SendKeys("BSpace");
	ASSERT_TRUE(Tmux.WaitForText("[Zo_")) << Tmux.CapturePane();
	Tmux.SendKeys("-l " + QuoteForShell("ë!"));
	Tmux.SendKeys("Left BSpace");
	ASSERT_TRUE(Tmux.WaitForText("[Zo!_")) << Tmux.CapturePane();
	Tmux.SendKeys("-l " + QuoteForShell("ë"));
	ASSERT_TRUE(Tmux.WaitForText("[Zoë!")) << Tmux.CapturePane();
	CloseSettings(Tmux);
	Tmux.SendKeys("F10");
	ASSERT_TRUE(Tmux.WaitForText("[File]")) << Tmux.CapturePane();
	Tmux.SendKeys("Escape C-q");
	EXPECT_EQ(WaitForExitStatus(), "0") << Tmux.CapturePane();
	EXPECT_NE(ReadSettings().find("\"SubjectName\": \"Zoë!\""), std::string::npos) << ReadSettings();
}

TEST_F(HmdEditorInteractive, APasteGoesIntoTheNameBoxAsText)
{
	FTmux Tmux;
	StartEditor(Tmux);
	OpenSettings(Tmux);
	// The line break would commit and the tab move on if they were typed; pasted, they are text.
	Tmux.Paste("Pa\nst\t7");
	ASSERT_TRUE(Tmux.WaitForText("[Pa st 7_")) << Tmux.CapturePane();
	Tmux.SendKeys("Escape C-q");
	EXPECT_EQ(WaitForExitStatus(), "0") << Tmux.CapturePane();
	EXPECT_NE(ReadSettings().find("\"SubjectName\": \"Pa st 7\""), std::string::npos) << ReadSettings();
}

TEST_F(HmdEditorInteractive, SgrMouseClicksWorkBeyondColumn223)
{
	// A window so wide that the settings window's check box lies beyond where the old mouse reports end.
	FTmux Tmux;
	StartEditor(Tmux, std::string(), 480);
	OpenSettings(Tmux);

	const std::string Screen = Tmux.CapturePane();
	SIZE_T LineStart = 0;
	int32 Row = 0;
	SIZE_T Box = std::string::npos;
	for (SIZE_T LineEnd; (LineEnd = Screen.find('\n', LineStart)) != std::string::npos; LineStart = LineEnd + 1, ++Row)
	{
		const std::string Line = Screen.substr(LineStart, LineEnd - LineStart);
		if (Line.find("Enable Log") != std::string::npos)
		{
			Box = Line.find("[ ]");
			break;
		}
	}
	ASSERT_NE(Box, std::string::npos) << Screen;
	ASSERT_GT(Box, 223u) << "the check box must lie beyond column 223\n" << Screen;
	// The frame's "│" takes three bytes where the row has it; columns are counted in characters.
	const std::string Line = Screen.substr(LineStart, Box);
	const SIZE_T Column = StringConv::FromUtf8(Line).Len();
	Tmux.SendKeys("-l " + QuoteForShell("\x1B[<0;" + std::to_string(Column + 2) + ";" + std::to_string(Row + 1) + "M"));
	ASSERT_TRUE(Tmux.WaitForText("[x]")) << Tmux.CapturePane();
	EXPECT_EQ(Tmux.CapturePane().find("[<0;"), std::string::npos) << "no mouse report becomes text";
	Tmux.SendKeys("Escape");
	ASSERT_TRUE(Tmux.WaitFor([](const std::string& Shown) { return Shown.find("Hmd Name") == std::string::npos; })) << Tmux.CapturePane();
	EXPECT_NE(ReadSettings().find("\"EnableLogging\": true"), std::string::npos) << ReadSettings();

	Tmux.SendKeys("-l " + QuoteForShell("\x1B[<0;2;1M"));
	EXPECT_TRUE(Tmux.WaitForText("[File]")) << "a click on a menu title opens it\n" << Tmux.CapturePane();
	Tmux.SendKeys("Escape Escape C-q");
	EXPECT_EQ(WaitForExitStatus(), "0") << Tmux.CapturePane();
}

TEST_F(HmdEditorInteractive, AFatalSignalGivesTheTerminalBack)
{
	FTmux Tmux;
	// The pane stays open after the program died, so that its state can be looked at.
	const std::string Modes = QuoteForShell((Folder / "modes").string());
	StartInPane(Tmux, "stty -g > " + Modes + ".before; " + EditorCommand(std::string()) + "; echo $? > " + QuoteForShell(StatusFile().string())
		+ "; stty -g > " + Modes + ".after; sleep 60");
	ASSERT_TRUE(Tmux.WaitForText("Level Viewport")) << Tmux.CapturePane();
	ASSERT_EQ(Tmux.Query("#{alternate_on}"), "1");
	ASSERT_EQ(Tmux.Query("#{mouse_sgr_flag}"), "1");

	const pid_t Editor = EditorProcess(Tmux);
	ASSERT_GT(Editor, 0);
	ASSERT_EQ(kill(Editor, SIGSEGV), 0);
	EXPECT_EQ(WaitForExitStatus(), std::to_string(128 + SIGSEGV)) << "the process dies of the signal";
	EXPECT_EQ(Tmux.Query("#{alternate_on}"), "0");
	EXPECT_EQ(Tmux.Query("#{mouse_any_flag}"), "0");
	EXPECT_EQ(Tmux.Query("#{mouse_sgr_flag}"), "0");
	EXPECT_EQ(Tmux.Query("#{cursor_flag}"), "1");
	ASSERT_TRUE(Tmux.WaitFor([this](const std::string& /*Screen*/) { return std::filesystem::exists(Folder / "modes.after"); }));
	EXPECT_EQ(ReadFileBytes(Folder / "modes.after"), ReadFileBytes(Folder / "modes.before")) << "the terminal's modes are as they were";
}

TEST_F(HmdEditorInteractive, ADumbTerminalIsRefused)
{
	FTmux Tmux;
	const std::filesystem::path ErrorFile = Folder / "error";
	StartInPane(Tmux, EditorCommand("TERM=dumb") + " 2> " + QuoteForShell(ErrorFile.string()) + "; echo $? > " + QuoteForShell(StatusFile().string()));
	EXPECT_EQ(WaitForExitStatus(), "1");
	EXPECT_NE(ReadFileBytes(ErrorFile).find("cannot move its cursor"), std::string::npos) << ReadFileBytes(ErrorFile);
}

TEST_F(HmdEditorInteractive, ColourUnlessNoColor)
{
	// A colour sequence, foreground or background (39 and 49, the defaults, do not count).
	const auto HasColour = [](const std::string& Screen)
	{
		for (SIZE_T Found = Screen.find("\x1B["); Found != std::string::npos; Found = Screen.find("\x1B[", Found + 1))
		{
			const SIZE_T End = Screen.find('m', Found);
			const std::string Parameters = Screen.substr(Found + 2, End == std::string::npos ? 0 : End - Found - 2);
			SIZE_T Start = 0;
			for (SIZE_T Next; Start <= Parameters.size(); Start = Next + 1)
			{
				Next = std::min(Parameters.find(';', Start), Parameters.size());
				const std::string Number = Parameters.substr(Start, Next - Start);
				if (Number.size() == 2 && (Number[0] == '3' || Number[0] == '4') && Number[1] >= '0' && Number[1] <= '7')
				{
					return true;
				}
			}
		}
		return false;
	};
	for (const bool bNoColor : {false, true})
	{
		FTmux Tmux;
		StartEditor(Tmux, bNoColor ? "NO_COLOR=1" : "");
		Tmux.SendKeys("F10");
		ASSERT_TRUE(Tmux.WaitForText("[File]")) << Tmux.CapturePane();
		const std::string Screen = Tmux.CaptureStyledPane();
		EXPECT_EQ(HasColour(Screen), !bNoColor) << (bNoColor ? "NO_COLOR=1" : "colours") << "\n" << Screen;
		if (bNoColor)
		{
			EXPECT_NE(Screen.find("\x1B[7m"), std::string::npos) << "the menu bar is shown in reverse instead\n" << Screen;
		}
		Tmux.SendKeys("Escape C-q");
		EXPECT_EQ(WaitForExitStatus(), "0") << Tmux.CapturePane();
		std::filesystem::remove(StatusFile());
	}
}

TEST_F(HmdEditorInteractive, FramesUseLineDrawingWhereTheLocaleIsUtf8)
{
	struct FCase { const char* Description; const char* Environment; const char* Expected; };
	const FCase Cases[] = {
		{"a UTF-8 locale", "LANG=C.UTF-8", "┌─ Level Viewport ─"},
		{"a UTF-8 locale that is not installed", "LANG=xx_XX.UTF-8", "┌─ Level Viewport ─"},
		{"the C locale", "LC_ALL=C", "+- Level Viewport -"},
	};
	for (const FCase& Case : Cases)
	{
		FTmux Tmux;
		StartEditor(Tmux, std::string("-i TERM=\"$TERM\" PATH=/usr/bin:/bin ") + Case.Environment);
		EXPECT_NE(Tmux.CapturePane().find(Case.Expected), std::string::npos) << Case.Description << "\n" << Tmux.CapturePane();
		Tmux.SendKeys("C-q");
		EXPECT_EQ(WaitForExitStatus(), "0") << Case.Description;
		std::filesystem::remove(StatusFile());
	}
}
