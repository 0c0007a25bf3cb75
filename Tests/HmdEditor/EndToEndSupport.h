// What the end-to-end tests of the hmd-editor program share: a documents
// folder of the test's own, the program found beside the test, runs of it
// with the output sent to files, the settings file as the module writes it,
// and the screens the "screen" action prints.
#pragma once

#include "FileBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

struct FRunResult
{
	int ExitCode = -1;
	std::string Output;
	std::string Errors;
};

/** The settings file as the module writes it: ASCII as single bytes, anything else as UTF-16LE after FF FE. */
std::string ExpectedFile(const std::u16string& Name, bool bEnableLogging);

/** The text with Windows line ends ("\r\n", which standard output writes there) made "\n". */
std::string WithUnixLineEnds(std::string Text);

/** The first line of a screen that holds Text; empty when none does. */
std::string LineWith(const std::string& Screen, const std::string& Text);
/** True when the screen's name box shows exactly Name (the box pads the rest with '_'). */
bool ShowsName(const std::string& Screen, const std::string& Name);
/** The check box of the "Enable Log" row: "[x]" or "[ ]". */
std::string CheckBoxOf(const std::string& Screen);
/** The screens printed by a run, in order, each without its end marker. */
std::vector<std::string> SplitScreens(const std::string& Output);

/** The script lines that open the settings window from the main window. */
inline const std::string OpenSettings = "key F10 Right Right Right Right Enter\n";
/** What the "screen" action prints after each screen. */
inline const std::string EndOfScreen = "--- end of screen ---\n";

/** A test with a fresh folder (removed at the end) holding its documents folder. */
class FHmdEditorRunTest : public ::testing::Test
{
protected:
	void SetUp() override;

	static std::string Quote(const std::filesystem::path& Path) { return "\"" + Path.string() + "\""; }
	/** The hmd-editor program beside the test. */
	static std::filesystem::path Program();

	/** Runs hmd-editor with the arguments given, the output going to files. */
	FRunResult RunProgram(const std::string& Arguments);
	/** Writes the script into the test's folder and returns its path. */
	std::filesystem::path WriteScript(const std::string& Script);
	/** Runs a script against this test's documents folder. */
	FRunResult RunScript(const std::string& Script, const std::string& Size = "100x30");

	FTempFolder Temp;
	const std::filesystem::path& Folder = Temp.Native();
	std::filesystem::path Documents;
	std::filesystem::path ConfigFile;
};
