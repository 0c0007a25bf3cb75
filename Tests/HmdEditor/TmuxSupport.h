// Support for the tests that drive the interactive program through tmux: a
// tmux server of each test's own, and a fixture that runs the program in its
// pane against a documents folder of the test's own.
#pragma once

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>

/** Quotes Text for the shell, in single quotes. */
std::string QuoteForShell(const std::string& Text);

/** Waits, up to a generous limit, until Condition() holds; false when it never did. */
bool WaitUntil(const std::function<bool()>& Condition);

/** A tmux server of the test's own, one for each test, so that no user session is touched; it is killed at the end. */
class FTmux
{
public:
	FTmux();
	~FTmux();

	FTmux(const FTmux&) = delete;
	FTmux& operator=(const FTmux&) = delete;

	/** Runs a tmux command against this server; its exit status. */
	int Run(const std::string& Arguments) const;
	std::string CapturePane() const;
	/** The screen with its colours and attributes as escape sequences. */
	std::string CaptureStyledPane() const;
	void SendKeys(const std::string& Keys) const;
	/** Pastes Text as a terminal does, in bracketed paste markers when the program asked for them. */
	void Paste(const std::string& Text) const;
	bool IsRunning() const;
	/** A value of the pane, through a tmux format such as "#{pane_pid}". */
	std::string Query(const std::string& Format) const;

	/** Waits until the screen satisfies Condition. */
	bool WaitFor(const std::function<bool(const std::string&)>& Condition) const;
	bool WaitForText(const std::string& Text) const;
	bool WaitForExit() const;
	/** Waits until a tmux format, such as "#{alternate_on}", has the given value. */
	bool WaitForQuery(const std::string& Format, const std::string& Value) const;

private:
	std::string Socket;
};

/** The program in a tmux pane against a documents folder of the test's own. */
class HmdEditorInteractive : public testing::Test
{
protected:
	void SetUp() override;

	/**
	 * Starts the program in the pane through a shell that writes its exit
	 * status to StatusFile when it ends (tmux's own record of it comes
	 * late, or never, when the terminal closes first).
	 */
	void StartEditor(const FTmux& Tmux, const std::string& Environment = std::string(), int Columns = 100) const;
	/** The command line that runs the program, with Environment (VARIABLE=value words) added to the pane's. */
	std::string EditorCommand(const std::string& Environment) const;
	static void StartInPane(const FTmux& Tmux, const std::string& Command, int Columns = 100);
	/** Opens the settings window from the menu bar. */
	static void OpenSettings(const FTmux& Tmux);
	/** Closes the settings window with Escape and waits until it is gone. */
	static void CloseSettings(const FTmux& Tmux);
	/** The settings file as UTF-8 text: it is stored as UTF-16 (with its byte order mark) when it holds more than ASCII. */
	std::string ReadSettings() const;
	std::filesystem::path StatusFile() const { return Folder / "status"; }
	/** The program's process: the one child of the pane's shell. */
	static pid_t EditorProcess(const FTmux& Tmux);
	/** The status the shell wrote when the program ended; empty when it did not end in time. */
	std::string WaitForExitStatus() const;

	FTempFolder Temp;
	const std::filesystem::path& Folder = Temp.Native();
	std::filesystem::path Documents;
	std::filesystem::path ConfigFile;
};
