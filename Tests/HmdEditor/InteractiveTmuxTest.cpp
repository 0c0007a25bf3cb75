// The interactive program in a real terminal: tmux runs it, send-keys types
// and capture-pane reads the screen, from start to quit.
#include "FileBytes.h"
#include "TmuxSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>

TEST_F(HmdEditorInteractive, TheMainJobInATerminalFromStartToQuit)
{
	FTmux Tmux;
	StartEditor(Tmux);
	EXPECT_NE(Tmux.CapturePane().find(" File  Edit  Window  Help  Orvek Hmd"), std::string::npos) << Tmux.CapturePane();

	Tmux.SendKeys("F10 Right Right Right Right");
	ASSERT_TRUE(Tmux.WaitForText("> Orvek Hmd Settings")) << Tmux.CapturePane();
	EXPECT_NE(Tmux.CapturePane().find("Execute OrvekHmdSettings action"), std::string::npos) << "the status line shows the entry's tool tip";
	Tmux.SendKeys("Enter");
	ASSERT_TRUE(Tmux.WaitForText("Hmd Name")) << Tmux.CapturePane();

	Tmux.SendKeys("-l " + QuoteForShell("Tracker 7"));
	ASSERT_TRUE(Tmux.WaitForText("[Tracker 7_")) << Tmux.CapturePane();
	Tmux.SendKeys("Tab Space");
	ASSERT_TRUE(Tmux.WaitForText("[x]")) << Tmux.CapturePane();
	CloseSettings(Tmux);

	Tmux.SendKeys("C-q");
	ASSERT_TRUE(Tmux.WaitForExit()) << Tmux.CapturePane();

	EXPECT_EQ(ReadFileBytes(ConfigFile), "{\r\n\t\"SubjectName\": \"Tracker 7\",\r\n\t\"EnableLogging\": true\r\n}");
	EXPECT_TRUE(std::filesystem::exists(Folder / "state" / "hmd-editor" / "hmd-editor.log"));
}

TEST_F(HmdEditorInteractive, SigtermWithTheWindowOpenSavesItAndEndsWith143)
{
	FTmux Tmux;
	StartEditor(Tmux);
	Tmux.SendKeys("F10 Right Right Right Right Enter");
	ASSERT_TRUE(Tmux.WaitForText("Hmd Name")) << Tmux.CapturePane();
	Tmux.SendKeys("-l " + QuoteForShell("Stopped"));
	ASSERT_TRUE(Tmux.WaitForText("[Stopped_")) << Tmux.CapturePane();

	const pid_t Editor = EditorProcess(Tmux);
	ASSERT_GT(Editor, 0);
	ASSERT_EQ(kill(Editor, SIGTERM), 0);
	EXPECT_EQ(WaitForExitStatus(), "143") << Tmux.CapturePane();
	EXPECT_EQ(ReadFileBytes(ConfigFile), "{\r\n\t\"SubjectName\": \"Stopped\",\r\n\t\"EnableLogging\": false\r\n}");
}

TEST_F(HmdEditorInteractive, CtrlZSuspendsAndFgRedraws)
{
	FTmux Tmux;
	// An interactive shell with job control, as a user has.
	StartInPane(Tmux, "env -i TERM=\"$TERM\" PATH=/usr/bin:/bin PS1='shell$ ' sh -i");
	ASSERT_TRUE(Tmux.WaitForText("shell$")) << Tmux.CapturePane();
	Tmux.SendKeys("-l " + QuoteForShell(EditorCommand(std::string())));
	Tmux.SendKeys("Enter");
	ASSERT_TRUE(Tmux.WaitForText("Level Viewport")) << Tmux.CapturePane();

	Tmux.SendKeys("C-z");
	ASSERT_TRUE(Tmux.WaitForQuery("#{alternate_on}", "0")) << Tmux.CapturePane();
	EXPECT_EQ(Tmux.Query("#{mouse_any_flag}"), "0") << "mouse reporting is off while suspended";
	ASSERT_TRUE(Tmux.WaitForText("shell$")) << Tmux.CapturePane();
	Tmux.SendKeys("fg Enter");
	ASSERT_TRUE(Tmux.WaitForQuery("#{alternate_on}", "1")) << Tmux.CapturePane();
	ASSERT_TRUE(Tmux.WaitForText("Level Viewport")) << "the whole screen is drawn again\n" << Tmux.CapturePane();
	EXPECT_NE(Tmux.CapturePane().find(" File  Edit"), std::string::npos) << Tmux.CapturePane();
	OpenSettings(Tmux);
	Tmux.SendKeys("Escape C-q");
	ASSERT_TRUE(Tmux.WaitForQuery("#{alternate_on}", "0")) << Tmux.CapturePane();
	Tmux.SendKeys("-l " + QuoteForShell("echo \"status=$?\""));
	Tmux.SendKeys("Enter");
	EXPECT_TRUE(Tmux.WaitForText("status=0")) << Tmux.CapturePane();
}

TEST_F(HmdEditorInteractive, CtrlCQuitsWithTheWindowOpenSavingItWithStatus0)
{
	FTmux Tmux;
	StartEditor(Tmux);
	OpenSettings(Tmux);
	Tmux.SendKeys("-l " + QuoteForShell("Interrupted"));
	ASSERT_TRUE(Tmux.WaitForText("[Interrupted_")) << Tmux.CapturePane();
	Tmux.SendKeys("C-c");
	EXPECT_EQ(WaitForExitStatus(), "0") << Tmux.CapturePane();
	EXPECT_NE(ReadSettings().find("\"SubjectName\": \"Interrupted\""), std::string::npos) << ReadSettings();
}
