// End-to-end tests of hmd-json's INPUT: "-" for standard input and pipes
// read to their end like files, for both commands, and what is still refused.
#include "ProgramRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
	/**
	 * UTF-16 text whose bytes hold CR, LF and 1A (which a text-mode reader
	 * on Windows would take for the end), so that only a byte-exact read
	 * gives the saved bytes back.
	 */
	const std::string WideInput = Utf16LeWithMark("{\"SubjectName\":\"", u'\u0d1a', "\",\r\n\"EnableLogging\":true}");
	const std::string WideOutput = Utf16LeWithMark("{\r\n\t\"SubjectName\": \"", u'\u0d1a', "\",\r\n\t\"EnableLogging\": true\r\n}");
	const std::string WideReport = "SubjectName: \"\xE0\xB4\x9A\"\nEnableLogging: true\n";

	struct FInputCase
	{
		const char* Name;
		/** INPUT as given; "@" stands for the input file. */
		std::string Input;
		std::string ShellPrefix;
		std::string Redirection;
	};

	std::string WithInput(const std::string& Text, const std::string& InputPath)
	{
		std::string Result = Text;
		for (std::string::size_type At = Result.find('@'); At != std::string::npos; At = Result.find('@', At + InputPath.size()))
		{
			Result.replace(At, 1, InputPath);
		}
		return Result;
	}

	std::vector<FInputCase> StreamCases()
	{
		std::vector<FInputCase> Cases = {
			{"standard input from a file", "-", "", "<@"},
			{"standard input from a pipe", "-", PipeFrom("@"), ""},
		};
#if !defined(_WIN32)
		// What a shell's <(...) gives: a pipe named by a path.
		Cases.push_back({"a pipe named by a path", "/dev/stdin", PipeFrom("@"), ""});
		Cases.push_back({"a FIFO", "@.fifo", "rm -f @.fifo; mkfifo @.fifo; cat @ >@.fifo 2>/dev/null </dev/null & ", ""});
#endif
		return Cases;
	}
}

TEST(HmdJsonInput, BothCommandsReadStandardInputAndPipesByteForByte)
{
	struct FCommandCase { const char* Command; std::string Out; };
	const FCommandCase Commands[] = {{"format", WideOutput}, {"check", WideReport}};
	const std::string InputPath = FileStem() + ".json";
	WriteFileBytes(InputPath, WideInput);
	for (const FCommandCase& Command : Commands)
	{
		for (const FInputCase& Case : StreamCases())
		{
			const FRun Run = RunProgram(std::string(Command.Command) + " " + WithInput(Case.Input, InputPath),
				WithInput(Case.ShellPrefix, InputPath), WithInput(Case.Redirection, InputPath));
			EXPECT_EQ(Run.ExitCode, 0) << Command.Command << ", " << Case.Name;
			EXPECT_EQ(Run.Out, Command.Out) << Command.Command << ", " << Case.Name;
			EXPECT_EQ(Run.Err, "") << Command.Command << ", " << Case.Name;
		}
	}
}

TEST(HmdJsonInput, StandardInputIsNamedInMessages)
{
	struct FCase { const char* Name; std::string Arguments; std::string Input; int ExitCode; std::string Out; std::string Err; };
	const FCase Cases[] = {
		{"check, empty", "check -", "", 1,
			"SubjectName: (nothing of the file loads: the default \"\" is used)\n"
			"EnableLogging: (nothing of the file loads: the default false is used)\n"
			"<stdin>: the file is empty\n", ""},
		{"check, reader error", "check -", "{\"a\" 1}", 1,
			"SubjectName: (nothing of the file loads: the default \"\" is used)\n"
			"EnableLogging: (nothing of the file loads: the default false is used)\n"
			"<stdin>:1:6: Colon token expected, but not found.\n", ""},
		{"format, empty", "format -", "", 1, "", "Null Stream Line: 1 Ch: 0"},
	};
	const std::string InputPath = FileStem() + ".json";
	for (const FCase& Case : Cases)
	{
		WriteFileBytes(InputPath, Case.Input);
		const FRun Run = RunProgram(Case.Arguments, "", "<" + InputPath);
		EXPECT_EQ(Run.ExitCode, Case.ExitCode) << Case.Name;
		EXPECT_EQ(Run.Out, Case.Out) << Case.Name;
		EXPECT_EQ(Run.Err, Case.Err) << Case.Name;
	}
}

TEST(HmdJsonInput, RefusesFoldersAndDevicesForBothCommands)
{
#if defined(_WIN32)
	const std::string Device = "NUL";
#else
	const std::string Device = "/dev/null";
#endif
	const std::string Folder = ".";
	for (const std::string Command : {"format", "check"})
	{
		for (const std::string& Input : {Device, Folder})
		{
			const FRun Run = RunProgram(Command + " " + Input);
			EXPECT_EQ(Run.ExitCode, 2) << Command << " " << Input;
			EXPECT_EQ(Run.Out, "") << Command << " " << Input;
			EXPECT_EQ(Run.Err, "hmd-json: Could not read '" + Input + "': not a regular file") << Command << " " << Input;
		}
	}
}

#if !defined(_WIN32)
TEST(HmdJsonInput, SaysSoWhenStandardInputIsClosed)
{
	for (const std::string Command : {"format", "check"})
	{
		const FRun Run = RunProgram(Command + " -", "", "<&-");
		EXPECT_EQ(Run.ExitCode, 2) << Command;
		EXPECT_EQ(Run.Out, "") << Command;
		EXPECT_EQ(Run.Err, "hmd-json: Could not read standard input: Bad file descriptor") << Command;
	}
}
#endif
