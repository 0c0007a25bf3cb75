// The notice for UTF-16 output on a terminal: standard output is a
// pseudo-terminal in raw mode, so the bytes the program writes arrive as
// they are, and standard error a file of its own.
#include "Posix/ChildProgram.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(HmdJsonTerminal, UnreadableOutputOnATerminalIsWrittenWithOneLineOfNotice)
{
	const std::string Notice = "hmd-json: the output above is UTF-16, as the settings file is saved; add --utf8 to read it on a terminal\n";
	const std::string Wide = FileStem() + "_wide.json";
	const std::string Ascii = FileStem() + "_ascii.json";
	const std::string OutputPath = FileStem() + "_out.json";
	WriteFileBytes(Wide, "{\"SubjectName\":\"\xC3\xA9\"}");
	WriteFileBytes(Ascii, "{\"SubjectName\":\"HMD1\",\"EnableLogging\":true}");
	const std::string WideBytes = Utf16LeWithMark("{\r\n\t\"SubjectName\": \"", u'\u00e9', "\"\r\n}");

	struct FCase { const char* Name; std::vector<std::string> Arguments; bool bTerminal; std::string Out; std::string Err; };
	const FCase Cases[] = {
		{"UTF-16 on a terminal", {"format", Wide}, true, WideBytes, Notice},
		{"UTF-16 into a pipe", {"format", Wide}, false, WideBytes, ""},
		{"ASCII on a terminal", {"format", Ascii}, true, SettingsText, ""},
		{"UTF-8 on a terminal", {"format", "--utf8", Wide}, true, "{\r\n\t\"SubjectName\": \"\xC3\xA9\"\r\n}", ""},
		{"UTF-16 into a file", {"format", "--output", OutputPath, Wide}, true, "", ""},
		{"check on a terminal", {"check", Wide}, true,
			"SubjectName: \"\xC3\xA9\"\nEnableLogging: (not set: the default false is used)\n", ""},
	};
	for (const FCase& Case : Cases)
	{
		FChildMode Mode;
		Mode.bOutputToTerminal = Case.bTerminal;
		const FChildRun Run = RunChildProgram(Case.Arguments, Mode);
		EXPECT_EQ(Run.ExitCode, 0) << Case.Name;
		EXPECT_EQ(Run.Out, Case.Out) << Case.Name;
		EXPECT_EQ(Run.Err, Case.Err) << Case.Name;
	}
	EXPECT_EQ(ReadFileBytes(OutputPath), WideBytes);
}
