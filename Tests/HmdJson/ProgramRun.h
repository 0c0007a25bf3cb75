// Running the built hmd-json from the end-to-end tests: each test writes its
// input files, runs the program through the shell with its standard output
// and error sent to files, and compares bytes. The tests run inside a
// temporary folder of their own, removed at the end with all they wrote. Only the shell and plain
// redirections are used, and no path is quoted (the test paths have no
// spaces), so the same command works for a POSIX shell and for cmd.exe.
#pragma once

#include "FileBytes.h"

#include <string>

struct FRun
{
	int ExitCode = -1;
	std::string Out;
	/** Standard error without its last line end. */
	std::string Err;
};

/** A name for this test's files, unique among tests that may run at once. */
std::string FileStem();

/** The program, with the system's separators. */
std::string ProgramPath();

/**
 * Runs the program with Arguments. ShellPrefix is a command the shell runs
 * first (a pipe into the program included); Redirection, if any, comes
 * before the program's own output redirections (for example "<in.json").
 */
FRun RunProgram(const std::string& Arguments, const std::string& ShellPrefix = "", const std::string& Redirection = "");

/**
 * A shell prefix that pipes the file at Path into the program's standard
 * input: its bytes on POSIX, the saved form of its object on Windows.
 */
std::string PipeFrom(const std::string& Path);

/** Runs "hmd-json format" on a file holding InputBytes. */
FRun Format(const std::string& InputBytes);

/** UTF-16 little-endian bytes of ASCII text, with one unit between, after the mark FF FE. */
std::string Utf16LeWithMark(const std::string& AsciiBefore, char16_t Unit, const std::string& AsciiAfter);

/** The bytes the module saves for {"SubjectName": "HMD1", "EnableLogging": true}. */
extern const std::string SettingsText;
